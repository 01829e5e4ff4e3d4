// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

class TZpIDEProperties;
class TLabelProperties;

/// Opening: when printers are installed, selects the one the label names
/// (the system default when none has that name) and re-expresses the ruler
/// width from rulerDpi in its resolution.
void SelectLabelPrinter(const QString& name, TZpIDEProperties& ide, int rulerDpi);
/// Saving: the selected printer's name; empty when no printer is installed.
[[nodiscard]] QString SelectedLabelPrinterName();
/// After the objects are read: the printer turned when its printable area
/// is the page turned, the layout's orientation taken from the printer and
/// LabelDPI set to the printer's horizontal resolution (the screen's
/// without a printer).
void MatchPrinterToLayout(TLabelProperties& layout);

} // namespace zp
