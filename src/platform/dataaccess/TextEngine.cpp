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
#include <QStringDecoder>
#include <algorithm>
#include <functional>
#include <memory>

namespace zp {

namespace {

// Longest record accepted; anything longer is taken for a damaged file.
constexpr int kMaxRecordLength = 1 << 20;

struct TFormat {
    QChar Delimiter = u',';
    bool Header = true;
};

// Reads the file in pieces of this many bytes: a large file is never held whole.
constexpr qint64 kReadBlock = qint64{4} << 20;

// Splits text into records of fields: fields in double quotes may hold
// delimiters, line breaks and doubled quotes. The text comes in pieces;
// Parse takes the records that are complete in what it is given and leaves
// the rest for the next piece.
class TDelimitedParser {
public:
    TDelimitedParser(QChar delimiter, QString file) : FDelimiter(delimiter), FFile(std::move(file)) {}

    // Hands each complete record at the start of text to record, with the
    // line it starts on; returns how many characters those records took.
    // With last, the text runs to the end of the file and every record in it
    // is complete.
    qsizetype Parse(const QString& text, bool last, const std::function<void(QStringList&, int)>& record) {
        const QChar delimiter = FDelimiter;
        const QChar* const begin = text.constData();
        const QChar* p = begin;
        const QChar* const end = p + text.size();
        while (p < end) {
            const QChar* recordStart = p;
            const int recordLine = FLine;
            QStringList fields;
            QString field;
            bool endOfRecord = false;
            bool cut = false; // the record runs on into the next piece
            while (!endOfRecord && !cut) {
                field.clear();
                if (p < end && *p == u'"') {
                    const int quoteLine = FLine;
                    ++p;
                    for (;;) {
                        if (p >= end) {
                            if (!last) {
                                cut = true;
                                break;
                            }
                            throw EZpError(QStringLiteral("Line %1 of \"%2\": a quoted field is not closed.")
                                               .arg(quoteLine)
                                               .arg(FFile));
                        }
                        if (*p == u'"') {
                            if (p + 1 < end && p[1] == u'"') {
                                field += u'"';
                                p += 2;
                                continue;
                            }
                            if (p + 1 >= end && !last) {
                                cut = true; // a doubled quote may go on in the next piece
                                break;
                            }
                            ++p;
                            break;
                        }
                        if (*p == u'\n') {
                            ++FLine;
                        }
                        field += *p++;
                        if (p - recordStart > kMaxRecordLength) {
                            break;
                        }
                    }
                    // Text between the closing quote and the delimiter is kept, as written.
                    while (!cut && p < end && *p != delimiter && *p != u'\n' && *p != u'\r') {
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
                                       .arg(FFile)
                                       .arg(kMaxRecordLength));
                }
                if (cut) {
                    break;
                }
                fields.append(field);
                if (p < end && *p == delimiter) {
                    ++p;
                    continue;
                }
                // The record ends at a line break, or with the file; a CR at the
                // end of a piece may have its LF in the next.
                if (p >= end || (*p == u'\r' && p + 1 >= end)) {
                    if (!last) {
                        cut = true;
                        break;
                    }
                }
                if (p < end && *p == u'\r') {
                    ++p;
                }
                if (p < end && *p == u'\n') {
                    ++p;
                }
                ++FLine;
                endOfRecord = true;
            }
            if (cut) {
                FLine = recordLine;
                return recordStart - begin;
            }
            // Blank lines are no records.
            if (!(fields.size() == 1 && fields[0].isEmpty())) {
                record(fields, recordLine);
            }
        }
        return p - begin;
    }

private:
    QChar FDelimiter;
    QString FFile;
    int FLine = 1;
};

// How the file's bytes are turned into text: decided for the whole file
// (ASCII, else UTF-8 where all of it is valid UTF-8, else Windows-1252),
// as for the texts of the label file.
class TFileText {
public:
    explicit TFileText(const QString& path) : FFile(path) {
        if (!FFile.open(QIODevice::ReadOnly)) {
            throw EZpError(
                QStringLiteral("The file \"%1\" could not be read: %2").arg(path, FFile.errorString()));
        }
        if (FFile.peek(3) == "\xEF\xBB\xBF") {
            FStart = 3;
        }
        bool ascii = true;
        bool utf8 = true;
        QStringDecoder check(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        QByteArray tail;
        for (Rewind(); !FFile.atEnd();) {
            const QByteArray block = FFile.read(kReadBlock);
            if (block.isEmpty()) {
                break;
            }
            tail = (tail + block.right(4)).right(4);
            if (ascii) {
                ascii = std::all_of(block.begin(), block.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x80; });
            }
            if (!ascii) {
                (void)check.decode(block);
                if (check.hasError()) {
                    utf8 = false;
                    break;
                }
            }
        }
        FKind = ascii ? TKind::Ascii : utf8 && !EndsInsideSequence(tail) ? TKind::Utf8 : TKind::Ansi;
        Rewind();
    }

    // The next piece of text; empty at the end of the file.
    QString Next() {
        const QByteArray block = FFile.read(kReadBlock);
        switch (FKind) {
        case TKind::Ascii:
            return QString::fromLatin1(block);
        case TKind::Utf8:
            return FUtf8.decode(block);
        default:
            return DecodeWindows1252(block);
        }
    }

    [[nodiscard]] bool AtEnd() const { return FFile.atEnd(); }

private:
    enum class TKind { Ascii, Utf8, Ansi };
    // Whether the bytes end before the end of a UTF-8 sequence: the checking
    // decoder waits for the rest then, where the file has none.
    static bool EndsInsideSequence(const QByteArray& bytes) {
        int continuations = 0;
        qsizetype i = bytes.size() - 1;
        while (i >= 0 && continuations < 3 && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80) {
            --i;
            ++continuations;
        }
        if (i < 0) {
            return false;
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        return length > continuations + 1;
    }
    void Rewind() {
        if (!FFile.seek(FStart)) {
            throw EZpError(QStringLiteral("The file \"%1\" could not be read: %2")
                               .arg(FFile.fileName(), FFile.errorString()));
        }
    }

    QFile FFile;
    qint64 FStart = 0;
    TKind FKind = TKind::Ascii;
    // A leading U+FEFF (after the mark dropped above) is text like any other.
    QStringDecoder FUtf8{QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom};
};

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

// Reads a text table record by record into sink: the fields from the
// header row (or numbered) and SCHEMA.INI, then every record, each checked
// to have as many fields.
void StreamTextTable(const QString& path, const TZpSchemaFile& schema, bool headerDefault,
                     IZpRecordSink& sink) {
    const QString fileName = QFileInfo(path).fileName();
    TFileText file(path);

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

    const QList<QString> columns = schema.Columns(fileName);
    bool first = true;
    qsizetype width = 0;
    const auto record = [&](QStringList& fields, int line) {
        if (first) {
            first = false;
            width = fields.size();
            QList<TZpFieldInfo> infos;
            for (qsizetype i = 0; i < width; ++i) {
                TZpFieldInfo info;
                info.Size = 255;
                if (format.Header) {
                    info.Name = fields[i].trimmed();
                }
                if (i < columns.size()) {
                    info = SchemaColumn(columns[i]);
                }
                infos.append(info);
            }
            MakeFieldNamesUnique(infos);
            sink.SetFields(infos);
            if (format.Header) {
                return;
            }
        }
        if (fields.size() != width) {
            throw EZpError(QStringLiteral("Line %1 of \"%2\" has %3 fields where %4 were expected.")
                               .arg(line)
                               .arg(path)
                               .arg(fields.size())
                               .arg(width));
        }
        sink.Add(fields);
    };
    TDelimitedParser parser(format.Delimiter, path);
    QString text;
    bool last = false;
    while (!last) {
        text += file.Next();
        last = file.AtEnd();
        text.remove(0, parser.Parse(text, last, record));
    }
    if (first) {
        sink.SetFields({});
    }
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
            TTable table{listed, {file}, false, {}};
            table.Stream = [path, schema, header](IZpRecordSink& sink) {
                StreamTextTable(path, *schema, header, sink);
            };
            tables.append(std::move(table));
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
