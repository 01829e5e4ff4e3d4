// SPDX-License-Identifier: MIT
#include "data/CsvReader.h"

#include "base/Errors.h"
#include "base/ValueStream.h"

#include <QStringList>

namespace zp {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool ValidUtf8(std::string_view s) {
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        unsigned int cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= n) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past the last code point.
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

} // namespace

TZpCsvReader::TZpCsvReader(std::string_view data, QString fileName)
    : FData(data), FFileName(std::move(fileName)) {}

void TZpCsvReader::Fail(const QString& what, int line) const {
    throw EZpError(
        QStringLiteral("The file \"%1\" cannot be read on line %2: %3").arg(FFileName).arg(line).arg(what));
}

bool TZpCsvReader::Next(std::vector<std::string_view>& fields) {
    fields.clear();
    size_t scratch = 0;
    const size_t n = FData.size();
    // Empty lines between records carry no data.
    while (FPos < n && (FData[FPos] == '\n' || FData[FPos] == '\r')) {
        if (FData[FPos] == '\n' || FPos + 1 >= n || FData[FPos + 1] != '\n') {
            ++FLine;
        }
        ++FPos;
    }
    if (FPos >= n) {
        return false;
    }
    FRecordLine = FLine;
    for (;;) {
        size_t i = FPos;
        while (i < n && IsBlank(FData[i])) {
            ++i;
        }
        if (i < n && FData[i] == '"') {
            const int quoteLine = FLine;
            if (scratch == FScratch.size()) {
                FScratch.emplace_back();
            }
            std::string& value = FScratch[scratch++];
            value.clear();
            ++i;
            for (;;) {
                const size_t q = FData.find('"', i);
                if (q == std::string_view::npos) {
                    Fail(QStringLiteral("the quote opened on line %1 is never closed.").arg(quoteLine),
                         quoteLine);
                }
                const std::string_view part = FData.substr(i, q - i);
                if (part.find('\0') != std::string_view::npos) {
                    Fail(QStringLiteral("it holds a NUL character."), FLine);
                }
                for (size_t k = 0; k < part.size(); ++k) {
                    if (part[k] == '\n' ||
                        (part[k] == '\r' && (k + 1 >= part.size() || part[k + 1] != '\n'))) {
                        ++FLine;
                    }
                }
                value.append(part);
                if (q + 1 < n && FData[q + 1] == '"') {
                    value.push_back('"');
                    i = q + 2;
                    continue;
                }
                i = q + 1;
                break;
            }
            while (i < n && IsBlank(FData[i])) {
                ++i;
            }
            fields.emplace_back(value);
            if (i < n && FData[i] != ',' && FData[i] != '\n' && FData[i] != '\r') {
                Fail(QStringLiteral("text follows a closing quote."), FLine);
            }
        } else {
            size_t j = i;
            while (j < n && FData[j] != ',' && FData[j] != '\n' && FData[j] != '\r') {
                if (FData[j] == '\0') {
                    Fail(QStringLiteral("it holds a NUL character."), FLine);
                }
                ++j;
            }
            size_t end = j;
            while (end > i && IsBlank(FData[end - 1])) {
                --end;
            }
            fields.emplace_back(FData.substr(i, end - i));
            i = j;
        }
        if (i < n && FData[i] == ',') {
            FPos = i + 1;
            continue;
        }
        // End of the record: CR LF, LF, CR or the end of the text.
        if (i < n) {
            if (FData[i] == '\r' && i + 1 < n && FData[i + 1] == '\n') {
                ++i;
            }
            ++i;
            ++FLine;
        }
        FPos = i;
        return true;
    }
}

QByteArray CsvTextAsUtf8(QByteArray bytes, bool* wasUtf8) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    const bool utf8 = ValidUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (wasUtf8) {
        *wasUtf8 = utf8;
    }
    return utf8 ? bytes : DecodeWindows1252(bytes).toUtf8();
}

int Utf8Length(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

QString CsvLine(const QStringList& values) {
    if (values.size() == 1 && values.front().isEmpty()) {
        return QStringLiteral("\"\"");
    }
    QStringList out;
    out.reserve(values.size());
    for (const QString& v : values) {
        const bool quote = v.contains(u' ') || v.contains(u',') || v.contains(u'"') || v.contains(u'\n') ||
                           v.contains(u'\r');
        out << (quote ? u'"' + QString(v).replace(u'"', QStringLiteral("\"\"")) + u'"' : v);
    }
    return out.join(u',');
}

} // namespace zp
