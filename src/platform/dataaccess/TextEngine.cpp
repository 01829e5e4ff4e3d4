// SPDX-License-Identifier: MIT
// Folders of delimited text files, one table per *.csv or *.txt file,
// described by the folder's SCHEMA.INI where it has a section for the file.
#include "base/Errors.h"
#include "base/ValueStream.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/SchemaFile.h"
#include "platform/dataaccess/TableEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <memory>

namespace zp {

namespace {

// Longest record accepted; anything longer is taken for a damaged file.
constexpr int kMaxRecordLength = 1 << 20;

struct TFormat {
    QChar Delimiter = u',';
    bool Header = true;
};

// Splits the text into records of fields: fields in double quotes may hold
// delimiters, line breaks and doubled quotes. lines receives the line on
// which each record starts, for messages.
std::vector<QStringList> ParseDelimited(const QString& text, QChar delimiter, const QString& file,
                                        std::vector<int>& lines) {
    std::vector<QStringList> rows;
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    int line = 1;
    while (p < end) {
        const QChar* recordStart = p;
        const int recordLine = line;
        QStringList fields;
        QString field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            field.clear();
            if (p < end && *p == u'"') {
                const int quoteLine = line;
                ++p;
                for (;;) {
                    if (p >= end) {
                        throw EZpError(QStringLiteral("Line %1 of \"%2\": a quoted field is not closed.")
                                           .arg(quoteLine)
                                           .arg(file));
                    }
                    if (*p == u'"') {
                        if (p + 1 < end && p[1] == u'"') {
                            field += u'"';
                            p += 2;
                            continue;
                        }
                        ++p;
                        break;
                    }
                    if (*p == u'\n') {
                        ++line;
                    }
                    field += *p++;
                    if (p - recordStart > kMaxRecordLength) {
                        break;
                    }
                }
                // Text between the closing quote and the delimiter is kept, as written.
                while (p < end && *p != delimiter && *p != u'\n' && *p != u'\r') {
                    field += *p++;
                }
            } else {
                const QChar* start = p;
                while (p < end && *p != delimiter && *p != u'\n' && *p != u'\r') {
                    ++p;
                }
                field = QString(start, p - start);
            }
            if (p - recordStart > kMaxRecordLength) {
                throw EZpError(QStringLiteral("Line %1 of \"%2\" is longer than %3 characters.")
                                   .arg(recordLine)
                                   .arg(file)
                                   .arg(kMaxRecordLength));
            }
            fields.append(field);
            if (p < end && *p == delimiter) {
                ++p;
                continue;
            }
            if (p < end && *p == u'\r') {
                ++p;
            }
            if (p < end && *p == u'\n') {
                ++p;
            }
            ++line;
            endOfRecord = true;
        }
        // Blank lines are no records.
        if (!(fields.size() == 1 && fields[0].isEmpty())) {
            rows.push_back(std::move(fields));
            lines.push_back(recordLine);
        }
    }
    return rows;
}

TZpFieldType SchemaType(const QString& word, int& size) {
    const QString type = word.toLower();
    if (type == QLatin1String("integer") || type == QLatin1String("long") || type == QLatin1String("short") ||
        type == QLatin1String("byte")) {
        return TZpFieldType::ftInteger;
    }
    if (type == QLatin1String("double") || type == QLatin1String("float") ||
        type == QLatin1String("single") || type == QLatin1String("currency")) {
        return TZpFieldType::ftFloat;
    }
    if (type == QLatin1String("date") || type == QLatin1String("datetime")) {
        return TZpFieldType::ftDateTime;
    }
    if (type == QLatin1String("bit")) {
        return TZpFieldType::ftBoolean;
    }
    if (type == QLatin1String("memo") || type == QLatin1String("longchar")) {
        size = 0;
        return TZpFieldType::ftMemo;
    }
    return TZpFieldType::ftString;
}

// "Col1="Name" Text Width 100" or "Col1=Name Text".
TZpFieldInfo SchemaColumn(const QString& definition) {
    TZpFieldInfo info;
    info.Size = 255;
    QString rest;
    if (definition.startsWith(u'"')) {
        const int close = static_cast<int>(definition.indexOf(u'"', 1));
        info.Name = definition.mid(1, close < 0 ? -1 : close - 1);
        rest = close < 0 ? QString() : definition.mid(close + 1);
    } else {
        info.Name = definition.section(u' ', 0, 0);
        rest = definition.section(u' ', 1);
    }
    const QStringList words = rest.simplified().split(u' ', Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        info.Type = SchemaType(words[0], info.Size);
    }
    for (int i = 0; i + 1 < words.size(); ++i) {
        if (words[i].compare(QLatin1String("Width"), Qt::CaseInsensitive) == 0) {
            info.Size = words[i + 1].toInt();
            break;
        }
    }
    return info;
}

TZpRecordSet LoadTextTable(const QString& path, const TZpSchemaFile& schema, bool headerDefault) {
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EZpError(QStringLiteral("The file \"%1\" could not be read: %2").arg(path, file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    const QString text = DecodeFileString(bytes);

    TFormat format;
    format.Header = headerDefault;
    if (schema.HasSection(fileName)) {
        const QString kind = schema.Value(fileName, QStringLiteral("Format")).trimmed();
        static const QRegularExpression custom(QStringLiteral(R"(^Delimited\((.)\)$)"),
                                               QRegularExpression::CaseInsensitiveOption);
        if (kind.compare(QLatin1String("TabDelimited"), Qt::CaseInsensitive) == 0) {
            format.Delimiter = u'\t';
        } else if (const auto m = custom.match(kind); m.hasMatch()) {
            format.Delimiter = m.captured(1)[0];
        }
        const QString header = schema.Value(fileName, QStringLiteral("ColNameHeader"));
        if (!header.isEmpty()) {
            format.Header = header.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        }
    }

    std::vector<int> lines;
    std::vector<QStringList> rows = ParseDelimited(text, format.Delimiter, path, lines);
    TZpRecordSet records;
    int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    const QList<QString> columns = schema.Columns(fileName);
    for (int i = 0; i < width; ++i) {
        TZpFieldInfo info;
        info.Size = 255;
        if (format.Header) {
            info.Name = rows.front()[i].trimmed();
        }
        if (i < columns.size()) {
            info = SchemaColumn(columns[i]);
        }
        records.Fields.append(info);
    }
    MakeFieldNamesUnique(records.Fields);
    const size_t first = format.Header && !rows.empty() ? 1 : 0;
    for (size_t r = first; r < rows.size(); ++r) {
        if (rows[r].size() != width) {
            throw EZpError(QStringLiteral("Line %1 of \"%2\" has %3 fields where %4 were expected.")
                               .arg(lines[r])
                               .arg(path)
                               .arg(rows[r].size())
                               .arg(width));
        }
    }
    if (first == 1) {
        rows.erase(rows.begin());
    }
    records.Rows = std::move(rows);
    return records;
}

class TTextEngine : public TZpTableEngine {
public:
    TTextEngine(QString folder, bool header)
        : TZpTableEngine(QStringLiteral("The text folder \"%1\"").arg(folder)), FFolder(std::move(folder)),
          FHeader(header) {}

protected:
    QList<TTable> ListTables() override {
        const QDir dir(FFolder);
        RequireFolder(FFolder);
        QList<TTable> tables;
        const QStringList files = dir.entryList({QStringLiteral("*.csv"), QStringLiteral("*.txt")},
                                                QDir::Files, QDir::Name | QDir::IgnoreCase);
        // Read once for all tables of the folder: it may describe hundreds of them.
        const auto schema = std::make_shared<const TZpSchemaFile>(
            TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI"))));
        for (const QString& file : files) {
            QString listed = file;
            listed.replace(u'.', u'#');
            const QString path = dir.filePath(file);
            const bool header = FHeader;
            tables.append(TTable{listed, {file}, false, [path, schema, header] {
                                     return LoadTextTable(path, *schema, header);
                                 }});
        }
        return tables;
    }

private:
    QString FFolder;
    bool FHeader;
};

} // namespace

bool HasHeaderRow(const QString& extendedProperties) {
    for (const QString& part : extendedProperties.split(u';', Qt::SkipEmptyParts)) {
        if (part.section(u'=', 0, 0).trimmed().compare(QLatin1String("HDR"), Qt::CaseInsensitive) == 0) {
            return part.section(u'=', 1).trimmed().compare(QLatin1String("NO"), Qt::CaseInsensitive) != 0;
        }
    }
    return true;
}

std::unique_ptr<TZpDbEngine> CreateTextEngine(const QString& folder, const QString& extendedProperties) {
    return std::make_unique<TTextEngine>(folder, HasHeaderRow(extendedProperties));
}

} // namespace zp
