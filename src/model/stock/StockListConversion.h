// SPDX-License-Identifier: MIT
#pragma once

#include "model/stock/LabelFormats.h"

#include <QString>
#include <QStringList>

namespace zp {

/// What a stock list conversion wrote, and the error that stopped it.
struct TZpStockListResult {
    QStringList Files; ///< the label format files written, in order
    int Formats = 0;   ///< formats converted
    QStringList Notes; ///< lines refused (a stock whose labels leave the page)
    QString Error;     ///< empty when every line converted
};

/// Converts a comma-separated stock list into label format files in the
/// folder, one per manufacturer, named after it (characters that cannot be
/// in a file name become "_"). Line 1 is a header. Fields, in order:
/// Manufacturer, Category, LabelType, Product, (ignored), PageType,
/// PageWidth, PageHeight, Columns, Rows, LeftMargin, TopMargin, Width,
/// Height, HorizontalPitch, VerticalPitch, shape ("Rect", "RRect", else an
/// ellipse), EllipseWidth, EllipseHeight, MinisheetMargin, LabelsPerMiniSheet;
/// numbers in the locale's notation. A field that is not a number stops the
/// conversion: what was read before it is still written and the error is
/// returned. The catalogue read is left in manufacturers.
TZpStockListResult ConvertStockList(const QString& csvPath, const QString& folder,
                                    TZpLabelCatalogue& manufacturers);

/// The fields of one stock list line, split as the conversion splits them.
[[nodiscard]] QStringList SplitStockListLine(const QString& line, int fieldCount);

/// The file name a manufacturer's formats are written to.
[[nodiscard]] QString StockListFileName(const QString& manufacturer);

} // namespace zp
