// SPDX-License-Identifier: MIT
#pragma once

class QPrinter;

namespace zp {

class TZpPrinter;

/// Shows the printer's current device and a copy of its settings in a Qt
/// printer for the system dialogs. Qt's "print to file" choice stands for the
/// built-in "PDF" device, with the output file the job would get.
void LoadDialogPrinter(TZpPrinter& printer, QPrinter& dialogPrinter);

/// Makes the device chosen in a dialog current with the dialog's settings
/// (and, for the PDF device, the file named there).
void StoreDialogPrinter(const QPrinter& dialogPrinter, TZpPrinter& printer);

} // namespace zp
