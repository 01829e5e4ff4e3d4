// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeFamily.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zp {

/// One drawn bar of a symbol, in the unturned frame: X from where the bars
/// begin (after the left margin), label pixels.
struct TBarRun {
    int64_t X = 0;
    int64_t Width = 0;
    /// Index in the pattern of the bar's first element or module.
    int32_t Index = 0;
    /// Postnet: a short bar.
    bool Short = false;
};

/// Where the bars of a pattern go: every element gets its base width and,
/// when it starts a run of its kind, the bar or space adjustment; gaps that
/// are not elements (character gaps, MSI/Plessey spaces, postal pitch gaps,
/// the EAN/UPC supplement gap) take no adjustment and do not end a run.
/// Widths below zero count as zero so that a symbol never runs backwards.
class TBarcodeLayout {
public:
    TBarcodeLayout(const TBarcodeFamily& family, const TBarcodeOptions& options,
                   const TBarcodeGeometry& geometry)
        : FFamily(family), FOptions(options), FGeometry(geometry) {}

    /// Walks pattern; when bars is given, appends the bars (adjacent bar
    /// elements merged). Returns the advance over the pattern and its gaps,
    /// margins not included.
    int64_t Walk(std::string_view pattern, std::vector<TBarRun>* bars) const;

private:
    const TBarcodeFamily& FFamily;
    const TBarcodeOptions& FOptions;
    const TBarcodeGeometry& FGeometry;
};

/// A label-pixel length clamped to what the drawing can carry.
[[nodiscard]] int32_t ClampLength(int64_t value);

/// Bar width of the postal symbols: Postnet Round(LabelDPI x 11/480), FIM
/// Round(LabelDPI / 32).
[[nodiscard]] int32_t PostnetBarWidth();
[[nodiscard]] int32_t FimBarWidth();

} // namespace zp
