// SPDX-License-Identifier: MIT
#include "model/stock/StockListConversion.h"

#include "base/Errors.h"
#include "base/ValueStream.h"
#include "model/stock/StockCheck.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>

namespace zp {

Q_LOGGING_CATEGORY(lcStockList, "zentaprint.stock.list")

namespace {

constexpr int kFieldCount = 21;

enum TField {
    fManufacturer,
    fCategory,
    fLabelType,
    fProduct,
    fIgnored,
    fPageType,
    fPageWidth,
    fPageHeight,
    fColumns,
    fRows,
    fLeftMargin,
    fTopMargin,
    fWidth,
    fHeight,
    fHorizontalPitch,
    fVerticalPitch,
    fShape,
    fEllipseWidth,
    fEllipseHeight,
    fMinisheetMargin,
    fLabelsPerMiniSheet
};

const char* const kFieldNames[kFieldCount] = {
    "Manufacturer",  "Category",        "LabelType",         "Product",       "",           "PageType",
    "PageWidth",     "PageHeight",      "Columns",           "Rows",          "LeftMargin", "TopMargin",
    "Width",         "Height",          "HorizontalPitch",   "VerticalPitch", "Shape",      "EllipseWidth",
    "EllipseHeight", "MinisheetMargin", "LabelsPerMiniSheet"};

/// Spaces and control characters, as the classic Trim takes them.
QString TrimControls(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

class TLineReader {
public:
    TLineReader(const QStringList& fields, int lineNumber) : FFields(fields), FLine(lineNumber) {}

    [[nodiscard]] float Float(TField field) const {
        bool ok = false;
        const float value = QLocale().toFloat(FFields[field].trimmed(), &ok);
        if (!ok)
            Fail(field);
        return value;
    }
    [[nodiscard]] int32_t Integer(TField field) const {
        bool ok = false;
        const int32_t value = QLocale().toInt(FFields[field].trimmed(), &ok);
        if (!ok)
            Fail(field);
        return value;
    }
    [[nodiscard]] const QString& Text(TField field) const { return FFields[field]; }

private:
    [[noreturn]] void Fail(TField field) const {
        throw EZpError(QStringLiteral("Line %1: \"%2\" is not a valid number (%3).")
                           .arg(FLine)
                           .arg(FFields[field], QLatin1String(kFieldNames[field])));
    }
    const QStringList& FFields;
    int FLine;
};

TLabelProperties ReadStock(const TLineReader& r) {
    TLabelProperties l;
    l.Manufacturer = r.Text(fManufacturer);
    l.Category = r.Text(fCategory);
    l.LabelType = r.Text(fLabelType);
    l.Product = r.Text(fProduct);
    l.PageType = r.Text(fPageType);
    l.PageWidth = r.Float(fPageWidth);
    l.PageHeight = r.Float(fPageHeight);
    l.PageOrientation = l.PageWidth > l.PageHeight ? 1 : 0;
    l.Columns = r.Integer(fColumns);
    l.Rows = r.Integer(fRows);
    l.LeftMargin = r.Float(fLeftMargin);
    l.TopMargin = r.Float(fTopMargin);
    l.Width = r.Float(fWidth);
    l.Height = r.Float(fHeight);
    l.HorizontalPitch = r.Float(fHorizontalPitch);
    l.VerticalPitch = r.Float(fVerticalPitch);
    const QString& shape = r.Text(fShape);
    l.LabelShape = shape == QLatin1String("Rect")    ? lsRectangle
                   : shape == QLatin1String("RRect") ? lsRoundRect
                                                     : lsEllipse;
    l.EllipseWidth = r.Float(fEllipseWidth);
    l.EllipseHeight = r.Float(fEllipseHeight);
    l.MinisheetMargin = r.Float(fMinisheetMargin);
    l.LabelsPerMiniSheet = r.Integer(fLabelsPerMiniSheet);
    return l;
}

/// Lines as a text file list holds them: a final line break ends the last
/// line rather than starting an empty one.
QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EZpFileError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    QString text = DecodeFileString(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

TZpLabelManufacturer& ManufacturerFor(TZpLabelCatalogue& manufacturers, const QString& name) {
    // A maker whose lines come back after another maker's continues its own
    // entry, so that its file holds every one of its lines.
    for (TZpLabelManufacturer& m : manufacturers)
        if (m.Name == name)
            return m;
    manufacturers.push_back(TZpLabelManufacturer{name, {}});
    return manufacturers.back();
}

} // namespace

QStringList SplitStockListLine(const QString& line, int fieldCount) {
    QStringList fields;
    QString rest = line;
    for (int i = 0; i < fieldCount; ++i) {
        rest = TrimControls(rest);
        if (rest.startsWith(QLatin1Char('"'))) {
            const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
            fields << rest.mid(1, close < 0 ? -1 : close - 1);
            const qsizetype comma = close < 0 ? -1 : rest.indexOf(QLatin1Char(','), close);
            rest = comma < 0 ? QString() : rest.mid(comma + 1);
        } else {
            const qsizetype comma = rest.indexOf(QLatin1Char(','));
            fields << (comma < 0 ? rest : rest.left(comma));
            rest = comma < 0 ? QString() : rest.mid(comma + 1);
        }
    }
    return fields;
}

QString StockListFileName(const QString& manufacturer) {
    QString name = manufacturer;
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20)
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return name + QStringLiteral(".ldb");
}

TZpStockListResult ConvertStockList(const QString& csvPath, const QString& folder,
                                    TZpLabelCatalogue& manufacturers) {
    TZpStockListResult result;
    FreeLabelFormats(manufacturers);
    try {
        const QStringList lines = ReadLines(csvPath);
        for (int i = 1; i < lines.size(); ++i) {
            if (TrimControls(lines[i]).isEmpty())
                continue;
            const QStringList fields = SplitStockListLine(lines[i], kFieldCount);
            const TLabelProperties stock = ReadStock(TLineReader(fields, i + 1));
            if (const QString problem = StockProblem(stock); !problem.isEmpty()) {
                result.Notes << QStringLiteral("Line %1 (%2 %3) refused: %4")
                                    .arg(i + 1)
                                    .arg(stock.Manufacturer, stock.Product, problem);
                qCWarning(lcStockList).noquote() << result.Notes.last();
                continue;
            }
            ManufacturerFor(manufacturers, stock.Manufacturer).Add(stock);
            ++result.Formats;
        }
    } catch (const EZpError& e) {
        result.Error = e.Message();
    }
    try {
        if (!manufacturers.empty() && !QDir().mkpath(folder))
            throw EZpFileError(QStringLiteral("Cannot create the folder \"%1\"").arg(folder));
        for (const TZpLabelManufacturer& m : manufacturers) {
            const QString path = QDir(folder).filePath(StockListFileName(m.Name));
            SaveLabelFormatFile(path, m.Categories);
            result.Files << path;
        }
    } catch (const EZpError& e) {
        if (result.Error.isEmpty())
            result.Error = e.Message();
    }
    return result;
}

} // namespace zp
