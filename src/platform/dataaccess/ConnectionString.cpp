// SPDX-License-Identifier: MIT
#include "platform/dataaccess/ConnectionString.h"

namespace zp {

TZpConnectionString::TZpConnectionString(const QString& text) {
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n) {
        // Name up to '='; a part without '=' is ignored.
        int eq = static_cast<int>(text.indexOf(u'=', i));
        int semi = static_cast<int>(text.indexOf(u';', i));
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            if (semi < 0) {
                break;
            }
            i = semi + 1;
            continue;
        }
        const QString name = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text[i] == u' ') {
            ++i;
        }
        QString value;
        if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
            const QChar quote = text[i++];
            while (i < n) {
                if (text[i] == quote) {
                    if (i + 1 < n && text[i + 1] == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            // Anything up to the next separator after a closing quote is dropped.
            const int next = static_cast<int>(text.indexOf(u';', i));
            i = next < 0 ? n : next + 1;
        } else {
            // ODBC attribute values may hold separators inside braces ("PWD={a;b}");
            // the braces stay part of the value.
            const int start = i;
            while (i < n && text[i] != u';') {
                if (text[i] == u'{') {
                    const int close = static_cast<int>(text.indexOf(u'}', i + 1));
                    i = close < 0 ? n : close + 1;
                } else {
                    ++i;
                }
            }
            value = text.mid(start, i - start).trimmed();
            i = i < n ? i + 1 : n;
        }
        if (!name.isEmpty()) {
            FProperties.append({name, value});
        }
    }
}

QString TZpConnectionString::Value(const QString& name) const {
    for (auto it = FProperties.crbegin(); it != FProperties.crend(); ++it) {
        if (it->first.compare(name, Qt::CaseInsensitive) == 0) {
            return it->second;
        }
    }
    return {};
}

bool TZpConnectionString::Has(const QString& name) const {
    for (const auto& property : FProperties) {
        if (property.first.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

void TZpConnectionString::SetValue(const QString& name, const QString& value) {
    bool found = false;
    for (auto& [key, v] : FProperties) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            v = value;
            found = true;
        }
    }
    if (!found)
        FProperties.append({name, value});
}

} // namespace zp
