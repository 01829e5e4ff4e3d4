// SPDX-License-Identifier: MIT
#include "files/LabelPrinterSteps.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "platform/printing/Printer.h"

namespace zp {

void SelectLabelPrinter(const QString& name, TZpIDEProperties& ide, int rulerDpi) {
    TZpPrinter& printer = ZpPrinter();
    if (printer.Printers().isEmpty())
        return;
    printer.SetPrinterIndex(printer.IndexOfPrinter(name)); // -1: the system default
    if (rulerDpi != 0)
        ide.RulerWidth = Round(double(printer.DotsPerInch().X) * ide.RulerWidth / rulerDpi);
}

QString SelectedLabelPrinterName() {
    TZpPrinter& printer = ZpPrinter();
    return printer.Printers().isEmpty() ? QString() : printer.PrinterName();
}

void MatchPrinterToLayout(TLabelProperties& layout) {
    TZpPrinter& printer = ZpPrinter();
    if (!printer.Printers().isEmpty()) {
        // Printable dots against page inches: they meet only by coincidence,
        // and then the printer is turned.
        if (float(printer.PrintableHeight()) == layout.PageWidth &&
            float(printer.PrintableWidth()) == layout.PageHeight)
            printer.SetOrientation(printer.Orientation() == poPortrait ? poLandscape : poPortrait);
        layout.PageOrientation = uint8_t(printer.Orientation());
    }
    SetLabelDPI(printer.DotsPerInch().X);
}

} // namespace zp
