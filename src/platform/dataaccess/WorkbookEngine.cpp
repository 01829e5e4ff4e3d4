// SPDX-License-Identifier: MIT
// Office Open XML (.xlsx) and OpenDocument (.ods) workbooks: zip archives of
// XML parts, read through libzip and Qt's stream reader.
#include "platform/dataaccess/WorkbookEngine.h"

#include "base/Errors.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/TableEngine.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <zip.h>

namespace zp {

namespace {

// Parts larger than this are refused rather than read into memory.
constexpr zip_uint64_t kMaxPart = 512u * 1024u * 1024u;
// Cells beyond these are ignored: repeated empty rows and columns of an
// .ods sheet run to the end of the sheet.
constexpr int kMaxColumns = 16384;

class TArchive {
public:
    explicit TArchive(const QString& path) : FPath(path) {
        int error = 0;
        FZip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
        if (!FZip) {
            zip_error_t ze;
            zip_error_init_with_code(&ze, error);
            const QString why = QString::fromUtf8(zip_error_strerror(&ze));
            zip_error_fini(&ze);
            throw EZpError(QStringLiteral("The workbook \"%1\" could not be opened: %2").arg(path, why));
        }
    }
    ~TArchive() { zip_discard(FZip); }
    TArchive(const TArchive&) = delete;
    TArchive& operator=(const TArchive&) = delete;

    [[nodiscard]] bool Has(const QString& name) const {
        return zip_name_locate(FZip, name.toUtf8().constData(), 0) >= 0;
    }
    [[nodiscard]] QByteArray Read(const QString& name) const {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat(FZip, name.toUtf8().constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
            Damaged(QStringLiteral("its part \"%1\" is missing").arg(name));
        }
        if (st.size > kMaxPart) {
            Damaged(QStringLiteral("its part \"%1\" is too large").arg(name));
        }
        zip_file_t* file = zip_fopen(FZip, name.toUtf8().constData(), 0);
        if (!file) {
            Damaged(QStringLiteral("its part \"%1\" cannot be read").arg(name));
        }
        QByteArray data(static_cast<qsizetype>(st.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(file, data.data(), st.size);
        zip_fclose(file);
        if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) {
            Damaged(QStringLiteral("its part \"%1\" cannot be read").arg(name));
        }
        return data;
    }
    [[noreturn]] void Damaged(const QString& why) const {
        throw EZpError(QStringLiteral("The workbook \"%1\" is damaged: %2.").arg(FPath, why));
    }

private:
    QString FPath;
    zip_t* FZip = nullptr;
};

bool IsNumber(const QString& text) {
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

// "BC12" -> 54 (from 0); -1 when there is no column letter.
int ColumnOf(QStringView ref) {
    int column = 0;
    int letters = 0;
    for (const QChar c : ref) {
        if (c >= u'A' && c <= u'Z') {
            column = column * 26 + (c.unicode() - u'A' + 1);
            ++letters;
        } else {
            break;
        }
    }
    return letters ? column - 1 : -1;
}

void Put(std::vector<QStringList>& rows, int row, int column, const QString& text) {
    if (text.isEmpty() || column < 0 || column >= kMaxColumns || row < 0) {
        return;
    }
    if (static_cast<int>(rows.size()) <= row) {
        rows.resize(static_cast<size_t>(row) + 1);
    }
    QStringList& cells = rows[static_cast<size_t>(row)];
    while (cells.size() <= column) {
        cells << QString();
    }
    cells[column] = text;
}

QString NumberText(const QString& raw) {
    bool ok = false;
    const double value = raw.toDouble(&ok);
    return ok ? QString::number(value, 'g', 15) : raw;
}

// Text of an element and its descendants, in order, except the ones named skip.
QString ElementText(QXmlStreamReader& xml, const QString& skip = {}) {
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (!skip.isEmpty() && xml.name() == skip) {
                xml.skipCurrentElement();
                continue;
            }
            if (xml.name() == QLatin1String("tab")) {
                text += u'\t';
            } else if (xml.name() == QLatin1String("line-break")) {
                text += u'\n';
            } else if (xml.name() == QLatin1String("s")) {
                const int n = xml.attributes().value(QLatin1String("text:c")).toInt();
                text += QString(std::max(n, 1), u' ');
            }
            ++depth;
        } else if (xml.isEndElement()) {
            --depth;
        } else if (xml.isCharacters()) {
            text += xml.text();
        }
    }
    return text;
}

void Check(const QXmlStreamReader& xml, const TArchive& zip, const QString& part) {
    if (xml.hasError()) {
        zip.Damaged(
            QStringLiteral("\"%1\" line %2: %3").arg(part).arg(xml.lineNumber()).arg(xml.errorString()));
    }
}

QString ResolveTarget(const QString& target) {
    if (target.startsWith(u'/')) {
        return target.mid(1);
    }
    return QStringLiteral("xl/") + target;
}

QList<TZpSheet> ReadXlsx(const TArchive& zip) {
    QStringList shared;
    if (zip.Has(QStringLiteral("xl/sharedStrings.xml"))) {
        QXmlStreamReader xml(zip.Read(QStringLiteral("xl/sharedStrings.xml")));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si")) {
                shared << ElementText(xml, QStringLiteral("rPh"));
            }
        }
        Check(xml, zip, QStringLiteral("xl/sharedStrings.xml"));
    }
    QHash<QString, QString> targets;
    {
        QXmlStreamReader xml(zip.Read(QStringLiteral("xl/_rels/workbook.xml.rels")));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("Relationship")) {
                targets.insert(xml.attributes().value(QLatin1String("Id")).toString(),
                               xml.attributes().value(QLatin1String("Target")).toString());
            }
        }
        Check(xml, zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
    }
    QList<QPair<QString, QString>> sheets;
    {
        QXmlStreamReader xml(zip.Read(QStringLiteral("xl/workbook.xml")));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("sheet")) {
                QString id;
                for (const QXmlStreamAttribute& a : xml.attributes()) {
                    if (a.name() == QLatin1String("id")) {
                        id = a.value().toString();
                    }
                }
                sheets.append({xml.attributes().value(QLatin1String("name")).toString(), targets.value(id)});
            }
        }
        Check(xml, zip, QStringLiteral("xl/workbook.xml"));
    }
    QList<TZpSheet> result;
    for (const auto& [name, target] : sheets) {
        TZpSheet sheet;
        sheet.Name = name;
        if (target.isEmpty()) {
            result << sheet;
            continue;
        }
        const QString part = ResolveTarget(target);
        QXmlStreamReader xml(zip.Read(part));
        int row = -1;
        int nextColumn = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QLatin1String("row")) {
                const auto r = xml.attributes().value(QLatin1String("r"));
                row = r.isEmpty() ? row + 1 : r.toInt() - 1;
                nextColumn = 0;
            } else if (xml.name() == QLatin1String("c")) {
                const auto attrs = xml.attributes();
                const QString type = attrs.value(QLatin1String("t")).toString();
                int column = ColumnOf(attrs.value(QLatin1String("r")));
                if (column < 0) {
                    column = nextColumn;
                }
                nextColumn = column + 1;
                QString value;
                QString inlineText;
                int depth = 1;
                while (depth > 0 && !xml.atEnd()) {
                    xml.readNext();
                    if (xml.isStartElement()) {
                        if (xml.name() == QLatin1String("v")) {
                            value = xml.readElementText();
                        } else if (xml.name() == QLatin1String("is")) {
                            inlineText = ElementText(xml, QStringLiteral("rPh"));
                        } else {
                            ++depth;
                        }
                    } else if (xml.isEndElement()) {
                        --depth;
                    }
                }
                QString text;
                if (type == QLatin1String("s")) {
                    const int i = value.toInt();
                    text = i >= 0 && i < shared.size() ? shared[i] : QString();
                } else if (type == QLatin1String("inlineStr")) {
                    text = inlineText;
                } else if (type == QLatin1String("b")) {
                    text = value == QLatin1String("1") ? QStringLiteral("True") : QStringLiteral("False");
                } else if (type == QLatin1String("str") || type == QLatin1String("e")) {
                    text = value;
                } else {
                    text = NumberText(value);
                }
                Put(sheet.Cells, row, column, text);
            }
        }
        Check(xml, zip, part);
        result << sheet;
    }
    return result;
}

QList<TZpSheet> ReadOds(const TArchive& zip) {
    QXmlStreamReader xml(zip.Read(QStringLiteral("content.xml")));
    QList<TZpSheet> result;
    TZpSheet* sheet = nullptr;
    int row = 0;
    int column = 0;
    int rowRepeat = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("table-row")) {
            row += rowRepeat;
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("table") && xml.namespaceUri().contains(QLatin1String("table"))) {
            result.append(TZpSheet{xml.attributes().value(QLatin1String("table:name")).toString(), {}, {}});
            sheet = &result.last();
            row = 0;
        } else if (name == QLatin1String("table-row") && sheet) {
            rowRepeat =
                std::max(1, xml.attributes().value(QLatin1String("table:number-rows-repeated")).toInt());
            column = 0;
        } else if ((name == QLatin1String("table-cell") || name == QLatin1String("covered-table-cell")) &&
                   sheet) {
            const auto attrs = xml.attributes();
            const int repeat = std::clamp(attrs.value(QLatin1String("table:number-columns-repeated")).toInt(),
                                          1, kMaxColumns);
            const QString type = attrs.value(QLatin1String("office:value-type")).toString();
            QString text;
            if (type == QLatin1String("float") || type == QLatin1String("percentage") ||
                type == QLatin1String("currency")) {
                text = NumberText(attrs.value(QLatin1String("office:value")).toString());
            } else if (type == QLatin1String("boolean")) {
                text = attrs.value(QLatin1String("office:boolean-value")) == QLatin1String("true")
                           ? QStringLiteral("True")
                           : QStringLiteral("False");
            }
            // Paragraphs of the cell: its shown text, lines joined.
            QStringList paragraphs;
            int depth = 1;
            while (depth > 0 && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement()) {
                    if (xml.name() == QLatin1String("p")) {
                        paragraphs << ElementText(xml, QStringLiteral("annotation"));
                    } else if (xml.name() == QLatin1String("annotation")) {
                        xml.skipCurrentElement();
                    } else {
                        ++depth;
                    }
                } else if (xml.isEndElement()) {
                    --depth;
                }
            }
            if (text.isEmpty()) {
                text = paragraphs.join(u'\n');
            }
            if (!text.isEmpty()) {
                for (int r = 0; r < rowRepeat && r < 1024; ++r) {
                    for (int k = 0; k < repeat && column + k < kMaxColumns; ++k) {
                        Put(sheet->Cells, row + r, column + k, text);
                    }
                }
            }
            column += repeat;
        }
    }
    Check(xml, zip, QStringLiteral("content.xml"));
    return result;
}

} // namespace

bool IsZipFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

QList<TZpSheet> ReadWorkbook(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw EZpError(QStringLiteral("The workbook \"%1\" does not exist.").arg(path));
    }
    TArchive zip(path);
    QList<TZpSheet> sheets;
    if (zip.Has(QStringLiteral("xl/workbook.xml"))) {
        sheets = ReadXlsx(zip);
    } else if (zip.Has(QStringLiteral("content.xml"))) {
        sheets = ReadOds(zip);
    } else {
        zip.Damaged(QStringLiteral("it is neither an .xlsx nor an .ods workbook"));
    }
    for (TZpSheet& sheet : sheets) {
        int width = 0;
        for (const QStringList& r : sheet.Cells) {
            width = std::max(width, static_cast<int>(r.size()));
        }
        sheet.NumericColumns.assign(static_cast<size_t>(width), true);
        for (size_t r = 0; r < sheet.Cells.size(); ++r) {
            QStringList& cells = sheet.Cells[r];
            while (cells.size() < width) {
                cells << QString();
            }
            for (int c = 0; r > 0 && c < width; ++c) {
                if (!cells[c].isEmpty() && !IsNumber(cells[c])) {
                    sheet.NumericColumns[static_cast<size_t>(c)] = false;
                }
            }
        }
    }
    return sheets;
}

namespace {

TZpRecordSet SheetRecords(const TZpSheet& sheet, bool header) {
    TZpRecordSet records;
    const int width = static_cast<int>(sheet.NumericColumns.size());
    for (int c = 0; c < width; ++c) {
        TZpFieldInfo info;
        info.Name = header && !sheet.Cells.empty() ? sheet.Cells.front()[c].trimmed() : QString();
        // Without a header row the first row is data and decides the type too.
        const bool numeric = sheet.NumericColumns[static_cast<size_t>(c)] &&
                             (header || sheet.Cells.empty() || sheet.Cells.front()[c].isEmpty() ||
                              IsNumber(sheet.Cells.front()[c]));
        info.Type = numeric ? TZpFieldType::ftFloat : TZpFieldType::ftString;
        info.Size = numeric ? 0 : 255;
        records.Fields.append(info);
    }
    MakeFieldNamesUnique(records.Fields);
    records.Rows.assign(sheet.Cells.begin() + (header && !sheet.Cells.empty() ? 1 : 0), sheet.Cells.end());
    return records;
}

class TWorkbookEngine : public TZpTableEngine {
public:
    TWorkbookEngine(QString file, bool header)
        : TZpTableEngine(QStringLiteral("The workbook \"%1\"").arg(file)), FFile(std::move(file)),
          FHeader(header) {}

protected:
    QList<TTable> ListTables() override {
        FSheets = std::make_shared<QList<TZpSheet>>(ReadWorkbook(FFile));
        QList<TTable> tables;
        for (int i = 0; i < FSheets->size(); ++i) {
            auto sheets = FSheets;
            const bool header = FHeader;
            const QString name = (*FSheets)[i].Name;
            tables.append(TTable{name + u'$', {name}, false, [sheets, i, header] {
                                     return SheetRecords((*sheets)[i], header);
                                 }});
        }
        return tables;
    }

private:
    QString FFile;
    bool FHeader;
    std::shared_ptr<QList<TZpSheet>> FSheets;
};

} // namespace

std::unique_ptr<TZpDbEngine> CreateWorkbookEngine(const QString& file, const QString& extendedProperties) {
    return std::make_unique<TWorkbookEngine>(file, HasHeaderRow(extendedProperties));
}

} // namespace zp
