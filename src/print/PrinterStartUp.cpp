// SPDX-License-Identifier: MIT
#include "print/PrinterStartUp.h"

#include "model/base/LabelDpi.h"
#include "platform/printing/Printer.h"
#include "platform/store/SettingsStore.h"

namespace zp {

namespace {
const QString kLastUsed = QStringLiteral("Last Used");
const QString kPrinter = QStringLiteral("Printer");
} // namespace

void SelectStartUpPrinter(TZpPrinter& printer, TZpPrinterMode mode, const TZpSettingsStore& store) {
    try {
        if (printer.Printers().isEmpty())
            return;
        if (mode == pmWindowsDefault) {
            printer.SetPrinterIndex(-1);
            return;
        }
        const QString name = store.ReadString(kLastUsed, kPrinter, printer.PrinterName());
        printer.SetPrinterIndex(printer.IndexOfPrinter(name));
    } catch (const EZpError&) {
        // A printer that cannot be selected now is reported where it is used.
    }
}

void SaveLastPrinter(TZpPrinter& printer, TZpPrinterMode mode, TZpSettingsStore& store) {
    if (mode != pmLastPrinter)
        return;
    try {
        if (printer.Printers().isEmpty())
            return;
        store.WriteString(kLastUsed, kPrinter, printer.PrinterName());
    } catch (const EZpError&) {
        // Nothing selected, nothing to remember.
    }
}

int PrinterLabelDPI(TZpPrinter& printer) {
    try {
        const int dpi = printer.DotsPerInch().X;
        if (dpi > 0)
            return dpi;
    } catch (const EZpError&) {
    }
    return ScreenPixelsPerInch();
}

} // namespace zp
