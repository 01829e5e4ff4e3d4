// SPDX-License-Identifier: MIT
#include "print/PrinterStartUp.h"

#include "base/LabelDpi.h"
#include "platform/printing/Printer.h"
#include "platform/store/SettingsStore.h"

namespace zp {

namespace {
const QString kLastUsed = QStringLiteral("Last Used");
const QString kPrinter = QStringLiteral("Printer");
const QString kLabelProperties = QStringLiteral("Label Properties");
const QString kOrientation = QStringLiteral("Orientation");
} // namespace

void SelectStartUpPrinter(TZpPrinter& printer, TZpPrinterMode mode, const TZpSettingsStore& store) {
    try {
        if (printer.Printers().isEmpty())
            return;
        if (mode == pmWindowsDefault) {
            printer.SetPrinterIndex(-1);
            return;
        }
        // The default is asked only when nothing is stored: a stored printer
        // is selected even when the system has no default.
        if (!store.ValueExists(kLastUsed, kPrinter)) {
            (void)printer.PrinterIndex();
            return;
        }
        printer.SetPrinterIndex(printer.IndexOfPrinter(store.ReadString(kLastUsed, kPrinter, {})));
    } catch (const EZpError&) {
        // A printer that cannot be selected now is reported where it is used.
    }
}

void ApplyStartUpOrientation(TZpPrinter& printer, const TZpSettingsStore& store) {
    try {
        if (printer.Printers().isEmpty())
            return;
        const int stored = store.ReadInteger(kLabelProperties, kOrientation, 0);
        printer.SetOrientation(stored == 0 ? poPortrait : poLandscape);
    } catch (const EZpError&) {
        // No settings block or no printer to select: the label adopts what
        // the printer has.
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
