// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

/// The process-wide label resolution in label pixels per inch: the selected
/// printer's horizontal resolution, or the screen's when there is no printer.
/// Set at start-up and after every label file load.
[[nodiscard]] int LabelDPI();
void SetLabelDPI(int dpi);

/// The screen's logical pixels per inch (96 when no screen is known).
[[nodiscard]] int ScreenPixelsPerInch();

} // namespace zp
