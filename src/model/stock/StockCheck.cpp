// SPDX-License-Identifier: MIT
#include "model/stock/StockCheck.h"

#include "model/layout/LabelProperties.h"

#include <cmath>
#include <initializer_list>

namespace zp {

namespace {
constexpr double kSlack = 0.005; // inches
}

QString StockProblem(const TLabelProperties& l) {
    for (float v : {l.PageWidth, l.PageHeight, l.LeftMargin, l.TopMargin, l.Width, l.Height,
                    l.HorizontalPitch, l.VerticalPitch})
        if (!std::isfinite(v))
            return QStringLiteral("a length that is not a number");
    if (l.Columns < 1 || l.Rows < 1)
        return QStringLiteral("no labels on the page");
    if (!(l.Width > 0) || !(l.Height > 0))
        return QStringLiteral("labels without a size");
    if (!(l.PageWidth > 0) || !(l.PageHeight > 0))
        return QStringLiteral("a page without a size");
    if ((l.Columns > 1 && l.HorizontalPitch + kSlack < l.Width) ||
        (l.Rows > 1 && l.VerticalPitch + kSlack < l.Height))
        return QStringLiteral("labels that overlap (pitch below the label size)");
    const double right = l.LabelLeft(l.Columns) + l.Width;
    const double bottom = l.LabelTop(l.Rows) + l.Height;
    if (l.LeftMargin < -kSlack || l.TopMargin < -kSlack || right > l.PageWidth + kSlack ||
        bottom > l.PageHeight + kSlack)
        return QStringLiteral("labels outside the page");
    return {};
}

} // namespace zp
