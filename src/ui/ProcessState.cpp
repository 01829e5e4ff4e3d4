// SPDX-License-Identifier: MIT
#include "ui/ProcessState.h"

#include "base/LabelDpi.h"
#include "platform/printing/Printer.h"

namespace zp {

TZpProcessStateKeeper::TZpProcessStateKeeper() : FOptions(AppOptions()), FDpi(LabelDPI()) {
    try {
        if (!ZpPrinter().Printers().isEmpty()) {
            FPrinter = ZpPrinter().PrinterIndex();
            FOrientation = ZpPrinter().Orientation();
        }
    } catch (const std::exception&) {
        FPrinter = -1;
    }
}

TZpProcessStateKeeper::~TZpProcessStateKeeper() {
    if (FKeep)
        return;
    AppOptions() = FOptions;
    if (FPrinter >= 0) {
        try {
            TZpPrinter& printer = ZpPrinter();
            if (printer.PrinterIndex() != FPrinter)
                printer.SetPrinterIndex(FPrinter);
            if (printer.Orientation() != FOrientation)
                printer.SetOrientation(TPrinterOrientation(FOrientation));
        } catch (const std::exception&) {
            // The printer went away meanwhile; nothing to put back.
        }
    }
    SetLabelDPI(FDpi);
}

} // namespace zp
