// SPDX-License-Identifier: MIT
// Element widths, adjustments and the symbol width, the same walk for
// measuring and drawing so that both always agree.
#include "barcode/BarcodeLayout.h"

#include "barcode/Barcode.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"

#include <algorithm>
#include <cmath>

namespace zp {

namespace {
// Far below where 32-bit painter coordinates overflow, far above any label.
constexpr int64_t kMaxLength = int64_t{1} << 28;

int64_t Wide(const TBarcodeOptions& options) {
    return Round(static_cast<double>(options.Density) * static_cast<double>(options.WideToNarrow));
}
} // namespace

int32_t ClampLength(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kMaxLength, kMaxLength));
}

int32_t PostnetBarWidth() {
    return Round(LabelDPI() * 11.0 / 480.0);
}
int32_t FimBarWidth() {
    return Round(LabelDPI() / 32.0);
}

int64_t TBarcodeLayout::Walk(std::string_view pattern, std::vector<TBarRun>* bars) const {
    const int64_t narrow = FOptions.Density;
    const int64_t wide = Wide(FOptions);
    const int perChar = FFamily.Kind == TPatternKind::Element ? FFamily.ElementsPerCharacter : 0;
    int64_t postal = 0;
    if (FFamily.Kind == TPatternKind::BarHeight)
        postal = PostnetBarWidth();
    else if (FFamily.Kind == TPatternKind::Position)
        postal = FimBarWidth();

    int64_t x = 0;
    int previousKind = -1; // 0 space, 1 bar; -1 before the first element
    bool barOpen = false;  // the last drawn bar may still grow
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool one = pattern[i] == '1';
        int64_t width = 0;
        int64_t gap = 0;
        bool isBar = true;
        switch (FFamily.Kind) {
        case TPatternKind::Module:
            width = narrow;
            isBar = one;
            break;
        case TPatternKind::Element:
            width = one ? wide : narrow;
            if (perChar > 0) {
                const size_t position = i % static_cast<size_t>(perChar);
                isBar = position % 2 == 0;
                if (position == static_cast<size_t>(perChar) - 1)
                    gap = narrow;
            } else {
                isBar = i % 2 == 0;
            }
            break;
        case TPatternKind::Bit:
            width = one ? wide : narrow;
            gap = one ? narrow : wide;
            break;
        case TPatternKind::BarHeight:
            width = postal;
            gap = postal;
            break;
        case TPatternKind::Position:
            width = postal;
            gap = postal;
            isBar = one;
            break;
        }
        const int kind = isBar ? 1 : 0;
        if (kind != previousKind)
            width += isBar ? FOptions.BarAdjust : FOptions.SpaceAdjust;
        width = std::clamp<int64_t>(width, 0, kMaxLength);
        previousKind = kind;

        if (bars && isBar && width > 0) {
            const bool isShort = FFamily.Kind == TPatternKind::BarHeight && !one;
            if (barOpen && !bars->empty() && bars->back().X + bars->back().Width == x &&
                FFamily.Kind == TPatternKind::Module)
                bars->back().Width += width;
            else
                bars->push_back({x, width, static_cast<int32_t>(i), isShort});
            barOpen = true;
        } else {
            barOpen = false;
        }
        x += width;
        if (FGeometry.GapAfter > 0 && i + 1 == static_cast<size_t>(FGeometry.GapAfter))
            gap += FGeometry.GapWidth;
        if (gap != 0)
            barOpen = false;
        x += gap;
        x = std::min(x, kMaxLength * 4);
    }
    return x;
}

} // namespace zp
