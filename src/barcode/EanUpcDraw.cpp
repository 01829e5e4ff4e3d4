// SPDX-License-Identifier: MIT
// The EAN/UPC layout with descending guard bars: digit groups fitted under
// the short bars, small number-system and check digits outside the bars,
// supplement digits above the supplement, and the Bookland ISBN line.
#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "barcode/BarcodeLayout.h"
#include "barcode/EanUpc.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace zp {

namespace {

struct TModuleRange {
    int First; // module numbers from 1 at the start guard
    int Last;
};

/// Layout ranges of a type code: t, u, v (Last 0: none) and the digit group D.
struct TEanRanges {
    TModuleRange T, U, V, D;
    std::array<TModuleRange, 3> Descenders;
};

TEanRanges Ranges(uint8_t code) {
    switch (code) {
    case bcUPCA:
        return {{1, 10}, {1, 50}, {1, 95}, {11, 45}, {{{1, 10}, {46, 50}, {85, 95}}}};
    case bcUPCE0:
    case bcUPCE1:
        return {{1, 3}, {1, 51}, {1, 0}, {4, 45}, {{{1, 3}, {46, 51}, {0, -1}}}};
    case bcEAN8:
        return {{1, 3}, {1, 36}, {1, 0}, {4, 31}, {{{1, 3}, {32, 36}, {65, 67}}}};
    default: // EAN 13, Bookland
        return {{1, 3}, {1, 50}, {1, 95}, {4, 45}, {{{1, 3}, {46, 50}, {93, 95}}}};
    }
}

/// Module widths as the layout walk gives them: Density, plus the run's
/// adjustment on the first module of every bar and space run.
std::vector<int64_t> ModuleWidths(std::string_view pattern, const TBarcodeOptions& options) {
    std::vector<int64_t> widths(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        int64_t w = options.Density;
        if (i == 0 || pattern[i] != pattern[i - 1])
            w += pattern[i] == '1' ? options.BarAdjust : options.SpaceAdjust;
        widths[i] = std::max<int64_t>(0, w);
    }
    return widths;
}

int64_t Sum(const std::vector<int64_t>& widths, TModuleRange range) {
    int64_t sum = 0;
    for (int m = range.First; m <= range.Last && m <= static_cast<int>(widths.size()); ++m)
        sum += widths[static_cast<size_t>(m - 1)];
    return sum;
}

bool InDescender(const TEanRanges& ranges, int module) {
    return std::any_of(ranges.Descenders.begin(), ranges.Descenders.end(),
                       [&](TModuleRange r) { return module >= r.First && module <= r.Last; });
}

QFont Fitted(QPainter& painter, QFont font, int64_t width, const QString& text) {
    FitFontToWidth(painter, font, ClampLength(width), text);
    return font;
}

} // namespace

bool DrawEanUpc(TBarcodeDrawContext& context) {
    const TBarcodeOptions& options = context.Options;
    const uint8_t code = options.Symbology;
    const bool descenders = options.Descenders;
    if (!(descenders || code == bcBookland))
        return false;

    const TEanSymbol symbol = TEanSymbol::Parse(context.Prepared, code);
    const TEanRanges ranges = Ranges(code);
    const std::vector<int64_t> widths = ModuleWidths(context.Pattern, options);
    const int64_t t = Sum(widths, ranges.T);
    const int64_t u = Sum(widths, ranges.U);
    const int64_t v = Sum(widths, ranges.V);
    const int64_t g = EanDigitMargin(options);
    const int64_t density = options.Density;

    // Fonts: the small digits just fit five modules, the group digits fit D.
    const QFont base = BarcodeFont(context.Painter, options);
    QFont group = base;
    QFont small = base;
    if (descenders) {
        const char* groupText = code == bcUPCA ? "00000" : code == bcEAN8 ? "0000" : "000000";
        group = Fitted(context.Painter, base, Sum(widths, ranges.D), QLatin1String(groupText));
        small = code == bcEAN13 || code == bcBookland
                    ? group
                    : Fitted(context.Painter, base, 5 * density, QStringLiteral("0"));
    }
    const QFontMetrics groupMetrics(group);
    const QFontMetrics smallMetrics(small);
    const int64_t f = groupMetrics.descent() - smallMetrics.descent();
    QString text = StripUnprintable(BarcodeHumanReadable(context.Prepared, options));
    if (text.isEmpty())
        text = QStringLiteral(" ");
    const int64_t tw = groupMetrics.horizontalAdvance(text);
    const int64_t th = groupMetrics.height();

    const int64_t h = std::clamp<int64_t>(options.Height, 0, int64_t{1} << 28);
    const bool isbn = code == bcBookland && options.ShowISBN;
    int64_t across = h;
    if (options.ShowHumanReadable)
        across += descenders ? th / 2 : th + options.HRSpacing;
    if (isbn)
        across += th;

    std::vector<TBarRun> bars;
    const TBarcodeGeometry& geometry = context.Geometry;
    const int64_t walk = TBarcodeLayout(context.Family, options, geometry).Walk(context.Pattern, &bars);
    const int64_t w = geometry.LeftMargin + walk + geometry.RightMargin;
    // Shown or not, wider text centres the bars (see the plain drawing).
    const int64_t overhang = tw > w ? (tw - w) / 2 : 0;
    const int64_t x0 = geometry.LeftMargin > 0 ? geometry.LeftMargin : overhang;
    const int64_t along = x0 + walk + geometry.RightMargin + overhang;

    // Bar extents across the symbol. Supplement bars move down by the text
    // height to leave room for their digits and may then reach below the
    // rest of the symbol; the rectangle grows to hold every bar drawn. Where
    // that leaves a supplement bar no height at all (a bar height at most
    // the cut below), it keeps half the bar height, so that a supplement is
    // not lost.
    const int64_t top = isbn ? th : 0;
    struct TSpan {
        int64_t Top, Bottom;
    };
    std::vector<TSpan> spans(bars.size());
    int64_t bottom = across;
    for (size_t i = 0; i < bars.size(); ++i) {
        TSpan span{top, top + h};
        if (descenders) {
            if (bars[i].Index >= symbol.MainModules) {
                span.Top += th;
                span.Bottom += th - (options.ExtendSupplement ? th / 2 : th);
                if (span.Bottom <= span.Top)
                    span.Bottom = span.Top + h / 2;
                if (span.Bottom > span.Top && bars[i].Width > 0) // only a bar that is drawn
                    bottom = std::max(bottom, span.Bottom);
            } else if (!InDescender(ranges, bars[i].Index + 1)) {
                span.Bottom -= th / 2;
            }
        }
        spans[i] = span;
    }

    TBarcodeCanvas canvas(context.Painter, context.Rotation, BarcodeColor(options));
    canvas.Place(context.Rect, along, bottom);
    for (size_t i = 0; i < bars.size(); ++i)
        canvas.FillBar(x0 + bars[i].X, spans[i].Top, x0 + bars[i].X + bars[i].Width, spans[i].Bottom);

    if (!options.ShowHumanReadable)
        return true;

    const int64_t digitsY = across - th;
    const int64_t smallY = across - th - f;
    auto piece = [&](const QFont& font, int64_t x, int64_t y, const std::string& digits) {
        canvas.DrawText(font, x, y, QLatin1String(digits.data(), static_cast<qsizetype>(digits.size())));
    };
    auto widthOf = [](const QFont& font, const std::string& digits) {
        return static_cast<int64_t>(QFontMetrics(font).horizontalAdvance(QLatin1String(digits.c_str())));
    };
    const std::string& d = symbol.Main;
    const std::string check(1, symbol.Check);
    std::string supplement = symbol.Supplement;

    switch (code) {
    case bcUPCA:
        if (options.ShowNumberSystem)
            piece(small, 0, smallY, d.substr(0, 1));
        piece(group, x0 + t, digitsY, d.substr(1, 5));
        piece(group, x0 + u, digitsY, d.substr(6, 5));
        if (options.ShowCheckDigit)
            piece(small, x0 + v + g - widthOf(small, check), smallY, check);
        break;
    case bcUPCE0:
    case bcUPCE1:
        if (options.ShowNumberSystem)
            piece(small, 0, smallY, code == bcUPCE1 ? "1" : "0");
        piece(group, x0 + t, digitsY, d);
        if (options.ShowCheckDigit)
            piece(small, x0 + u + g - widthOf(small, check), smallY, check);
        break;
    case bcEAN8: {
        const std::string all = d + check;
        piece(group, x0 + t, digitsY, all.substr(0, 4));
        piece(group, x0 + u, digitsY, all.substr(4, 4));
        break;
    }
    default: { // EAN 13, Bookland
        const std::string all = (code == bcBookland ? "978" + d : d) + check;
        if (code == bcBookland || options.ShowNumberSystem)
            piece(group, 0, digitsY, all.substr(0, 1));
        piece(group, x0 + t, digitsY, all.substr(1, 6));
        piece(group, x0 + u, digitsY, all.substr(7, 6));
        break;
    }
    }

    if (!supplement.empty()) {
        if (code == bcBookland && options.AppendGreaterThan)
            supplement += '>';
        piece(group, along - widthOf(group, supplement), isbn ? th : 0, supplement);
    }
    if (isbn) {
        const std::string line = IsbnLine(d);
        const QFont isbnFont = Fitted(context.Painter, base, v, QLatin1String(line.c_str()));
        piece(isbnFont, x0, 0, line);
    }
    return true;
}

} // namespace zp
