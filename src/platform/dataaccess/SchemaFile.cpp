// SPDX-License-Identifier: MIT
#include "platform/dataaccess/SchemaFile.h"

#include "base/ValueStream.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace zp {

TZpSchemaFile TZpSchemaFile::Read(const QString& path) {
    TZpSchemaFile schema;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return schema;
    }
    QByteArray bytes = file.readAll();
    // Windows editors start the file with a byte-order mark; left in, it would
    // hide the first section, which the next rewrite would then lose.
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    const QStringList lines = DecodeFileString(bytes).split(u'\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith(u';')) {
            // Comments are kept where they stand (those before the first
            // section in a section without a name), so a rewrite keeps them.
            if (schema.FSections.isEmpty()) {
                schema.FSections.append(TSection{});
            }
            schema.FSections.last().Values.append({QString(), line});
            continue;
        }
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            schema.FSections.append(TSection{line.mid(1, line.size() - 2), {}});
            continue;
        }
        const int eq = static_cast<int>(line.indexOf(u'='));
        if (eq > 0 && !schema.FSections.isEmpty()) {
            schema.FSections.last().Values.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
        }
    }
    return schema;
}

bool TZpSchemaFile::Write(const QString& path) const {
    QString text;
    for (const TSection& section : FSections) {
        if (!section.Name.isEmpty()) {
            text += u'[' + section.Name + QStringLiteral("]\r\n");
        }
        for (const auto& [key, value] : section.Values) {
            text += (key.isEmpty() ? value : key + u'=' + value) + QStringLiteral("\r\n");
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(text.toUtf8());
    return file.commit();
}

int TZpSchemaFile::IndexOf(const QString& section) const {
    for (int i = 0; i < FSections.size(); ++i) {
        if (FSections[i].Name.compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString TZpSchemaFile::Value(const QString& section, const QString& key) const {
    const int index = IndexOf(section);
    if (index < 0) {
        return {};
    }
    for (const auto& [name, value] : FSections[index].Values) {
        if (name.compare(key, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return {};
}

void TZpSchemaFile::SetSection(const QString& section, QList<QPair<QString, QString>> values) {
    const int index = IndexOf(section);
    if (index < 0) {
        FSections.append(TSection{section, std::move(values)});
    } else {
        FSections[index].Values = std::move(values);
    }
}

void TZpSchemaFile::EraseSection(const QString& section) {
    const int index = IndexOf(section);
    if (index >= 0) {
        FSections.removeAt(index);
    }
}

QList<QString> TZpSchemaFile::Columns(const QString& section) const {
    const int index = IndexOf(section);
    if (index < 0) {
        return {};
    }
    // One pass over the entries: a wide table has thousands of them.
    QHash<int, QString> numbered;
    for (const auto& [name, value] : FSections[index].Values) {
        bool ok = false;
        const QString digits = name.mid(3);
        const int n = name.startsWith(QLatin1String("Col"), Qt::CaseInsensitive) ? digits.toInt(&ok) : 0;
        if (ok && n > 0 && digits == QString::number(n) && !numbered.contains(n)) {
            numbered.insert(n, value);
        }
    }
    QList<QString> columns;
    for (int n = 1; !numbered.value(n).isEmpty(); ++n) {
        columns.append(numbered.value(n));
    }
    return columns;
}

} // namespace zp
