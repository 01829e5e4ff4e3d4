// SPDX-License-Identifier: MIT
#include "print/dialogs/DialogPrinter.h"

#include "platform/printing/Printer.h"
#include "platform/printing/StandardBackend.h"
#include "print/dialogs/CupsBackend.h"

#include <QPrinter>

namespace zp {

void LoadDialogPrinter(TZpPrinter& printer, QPrinter& dialogPrinter) {
    const TZpDeviceSelection current = printer.GetDevice();
    const bool pdf =
        TZpStandardBackend::IsPdfDevice({QString(), current.Device, current.Driver, current.Port});
    if (pdf) {
        dialogPrinter.setOutputFormat(QPrinter::PdfFormat);
        dialogPrinter.setOutputFileName(printer.SuggestedOutputFile());
    } else {
        dialogPrinter.setOutputFormat(QPrinter::NativeFormat);
        dialogPrinter.setPrinterName(current.Device);
    }
    if (current.Settings)
        TZpCupsBackend::ApplySettings(dialogPrinter, *current.Settings);
    dialogPrinter.setDocName(printer.Title());
}

void StoreDialogPrinter(const QPrinter& dialogPrinter, TZpPrinter& printer) {
    TZpDeviceSettings settings = TZpCupsBackend::SettingsOf(dialogPrinter);
    if (dialogPrinter.outputFormat() == QPrinter::PdfFormat || dialogPrinter.printerName().isEmpty()) {
        // The PDF device keeps its own resolution whatever Qt's PDF engine reports.
        settings.Resolution = kPdfDotsPerInch;
        const TPrinterDevice pdf = TZpStandardBackend::PdfDevice();
        printer.SetDevice(pdf.Device, pdf.Driver, pdf.Port, settings);
        if (!dialogPrinter.outputFileName().isEmpty())
            printer.SetOutputFileName(dialogPrinter.outputFileName());
        return;
    }
    const TPrinterDevice queue = TZpCupsBackend::EntryFor(dialogPrinter.printerName());
    printer.SetDevice(queue.Device, queue.Driver, queue.Port, settings);
}

} // namespace zp
