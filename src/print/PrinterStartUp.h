// SPDX-License-Identifier: MIT
#pragma once

#include "settings/AppOptions.h"

namespace zp {

class TZpPrinter;
class TZpSettingsStore;

/// Start-up: with printers installed, selects the system default
/// (pmWindowsDefault) or the printer named by "Last Used"/"Printer" (the
/// other modes; the default when it is no longer installed). Printer errors
/// leave the selection to the first use.
void SelectStartUpPrinter(TZpPrinter& printer, TZpPrinterMode mode, const TZpSettingsStore& store);

/// Start-up, after the printer is chosen: with printers installed, the
/// orientation of the stored default label format ("Label Properties"/
/// "Orientation", 0 portrait, else landscape) becomes the printer's. A
/// printer without orientation settings keeps its own.
void ApplyStartUpOrientation(TZpPrinter& printer, const TZpSettingsStore& store);

/// Exit: in pmLastPrinter mode, with printers installed, writes the current
/// printer's display name to "Last Used"/"Printer".
void SaveLastPrinter(TZpPrinter& printer, TZpPrinterMode mode, TZpSettingsStore& store);

/// The label resolution the selected printer gives: its horizontal dots per
/// inch, the screen's when there is no printer or the printer fails.
[[nodiscard]] int PrinterLabelDPI(TZpPrinter& printer);

} // namespace zp
