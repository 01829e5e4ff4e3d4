// SPDX-License-Identifier: MIT
// Excel workbooks (.xls, BIFF 2 to 8): every worksheet is a table named
// "<sheet>$", read through libfreexl.
#include "base/Errors.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/TableEngine.h"

#include <QFile>
#include <QFileInfo>
#include <freexl.h>

namespace zp {

namespace {

// An open workbook, closed on every path out.
class TWorkbook {
public:
    explicit TWorkbook(const QString& path) : FPath(path) {
        if (!QFileInfo(path).isFile()) {
            throw EZpError(QStringLiteral("The workbook \"%1\" does not exist.").arg(path));
        }
        Check(freexl_open(QFile::encodeName(path).constData(), &FHandle), "open");
    }
    ~TWorkbook() {
        if (FHandle) {
            freexl_close(FHandle);
        }
    }
    TWorkbook(const TWorkbook&) = delete;
    TWorkbook& operator=(const TWorkbook&) = delete;

    void Check(int result, const char* step) const {
        if (result != FREEXL_OK) {
            throw EZpError(QStringLiteral("The workbook \"%1\" could not be read (%2 failed with code %3); "
                                          "it is damaged or not an Excel 97-2003 workbook.")
                               .arg(FPath, QLatin1String(step))
                               .arg(result));
        }
    }
    [[nodiscard]] QStringList SheetNames() const {
        unsigned int count = 0;
        Check(freexl_get_info(FHandle, FREEXL_BIFF_SHEET_COUNT, &count), "sheet count");
        QStringList names;
        for (unsigned int i = 0; i < count; ++i) {
            const char* name = nullptr;
            Check(freexl_get_worksheet_name(FHandle, static_cast<unsigned short>(i), &name), "sheet name");
            names.append(QString::fromUtf8(name ? name : ""));
        }
        return names;
    }
    [[nodiscard]] TZpRecordSet Sheet(int index, bool header) const {
        Check(freexl_select_active_worksheet(FHandle, static_cast<unsigned short>(index)), "sheet selection");
        unsigned int rows = 0;
        unsigned short columns = 0;
        Check(freexl_worksheet_dimensions(FHandle, &rows, &columns), "sheet size");
        std::vector<QStringList> cells;
        std::vector<bool> numeric(columns, true);
        for (unsigned int r = 0; r < rows; ++r) {
            QStringList row;
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell{};
                Check(freexl_get_cell_value(FHandle, r, c, &cell), "cell reading");
                QString text;
                bool isNumber = false;
                switch (cell.type) {
                case FREEXL_CELL_INT:
                    text = QString::number(cell.value.int_value);
                    isNumber = true;
                    break;
                case FREEXL_CELL_DOUBLE:
                    text = QString::number(cell.value.double_value, 'g', 15);
                    isNumber = true;
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    text = QString::fromUtf8(cell.value.text_value);
                    break;
                default:
                    break;
                }
                if (!text.isEmpty() && !isNumber && (!header || r > 0)) {
                    numeric[c] = false;
                }
                row.append(text);
            }
            cells.push_back(std::move(row));
        }
        TZpRecordSet records;
        for (unsigned short c = 0; c < columns; ++c) {
            TZpFieldInfo info;
            info.Name = header && !cells.empty() ? cells.front()[c].trimmed() : QString();
            info.Type = numeric[c] ? TZpFieldType::ftFloat : TZpFieldType::ftString;
            info.Size = numeric[c] ? 0 : 255;
            records.Fields.append(info);
        }
        MakeFieldNamesUnique(records.Fields);
        if (header && !cells.empty()) {
            cells.erase(cells.begin());
        }
        records.Rows = std::move(cells);
        return records;
    }

private:
    QString FPath;
    const void* FHandle = nullptr;
};

class TXlsEngine : public TZpTableEngine {
public:
    TXlsEngine(QString file, bool header)
        : TZpTableEngine(QStringLiteral("The workbook \"%1\"").arg(file)), FFile(std::move(file)),
          FHeader(header) {}

protected:
    QList<TTable> ListTables() override {
        const QStringList sheets = TWorkbook(FFile).SheetNames();
        QList<TTable> tables;
        for (int i = 0; i < sheets.size(); ++i) {
            const QString file = FFile;
            const bool header = FHeader;
            tables.append(TTable{sheets[i] + u'$', {sheets[i]}, false, [file, i, header] {
                                     return TWorkbook(file).Sheet(i, header);
                                 }});
        }
        return tables;
    }

private:
    QString FFile;
    bool FHeader;
};

} // namespace

std::unique_ptr<TZpDbEngine> CreateXlsEngine(const QString& file, const QString& extendedProperties) {
    return std::make_unique<TXlsEngine>(file, HasHeaderRow(extendedProperties));
}

} // namespace zp
