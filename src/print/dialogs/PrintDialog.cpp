// SPDX-License-Identifier: MIT
#include "print/dialogs/PrintDialog.h"

#include "platform/printing/Printer.h"
#include "print/dialogs/DialogPrinter.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

namespace zp {

void PlaceDialog(QWidget& dialog, QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    dialog.adjustSize();
    const QRect monitor = screen->geometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(monitor.left() + (monitor.width() - size.width()) / 2,
                monitor.top() + (monitor.height() - size.height()) / 3);
}

namespace {

/// Qt's dialog points the printer at the default queue while it is built and
/// so loses the "print to file" choice: the PDF device and its file are chosen
/// again in the dialog's own printer list and file field.
void PreselectPdfDevice(QPrintDialog& dialog, QPrinter& qp, const QString& file) {
    qp.setOutputFormat(QPrinter::PdfFormat);
    qp.setOutputFileName(file);
    if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
        printers->setCurrentIndex(printers->count() - 1);
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        name->setText(file);
}

} // namespace

TZpPrintDialog::TZpPrintDialog(TZpPrinter& printer) : FPrinter(printer) {}

bool TZpPrintDialog::Execute(QWidget* owner) {
    QPrinter qp(QPrinter::HighResolution);
    LoadDialogPrinter(FPrinter, qp);
    if (PrintToFile)
        qp.setOutputFormat(QPrinter::PdfFormat);
    qp.setCollateCopies(Collate);
    if (Copies > 0)
        qp.setCopyCount(Copies);

    const bool pdf = qp.outputFormat() == QPrinter::PdfFormat;
    const QString pdfFile = qp.outputFileName();
    QPrintDialog dialog(&qp, owner);
    if (pdf)
        PreselectPdfDevice(dialog, qp, pdfFile);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintCollateCopies |
                                                       QAbstractPrintDialog::PrintShowPageSize;
    if (Options & poPageNums)
        options |= QAbstractPrintDialog::PrintPageRange;
    if (Options & poSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (MaxPage > 0 && MinPage <= MaxPage)
        dialog.setMinMax(qMax(1, MinPage), MaxPage);
    if (FromPage > 0 && ToPage >= FromPage)
        qp.setFromTo(FromPage, ToPage);
    switch (PrintRange) {
    case prSelection:
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
        break;
    case prPageNums:
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
        break;
    case prAllPages:
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        break;
    }

    int result;
    if (Runner) {
        result = Runner(dialog, qp);
    } else {
        PlaceDialog(dialog, owner);
        result = dialog.exec();
    }
    if (result != QDialog::Accepted)
        return false;

    StoreDialogPrinter(qp, FPrinter);
    Collate = qp.collateCopies();
    PrintToFile = qp.outputFormat() == QPrinter::PdfFormat;
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection:
        PrintRange = prSelection;
        break;
    case QAbstractPrintDialog::PageRange:
        PrintRange = prPageNums;
        break;
    default:
        PrintRange = prAllPages;
        break;
    }
    FromPage = qp.fromPage();
    ToPage = qp.toPage();
    // A dialog reporting one copy leaves the count to the printer's setting.
    const int dialogCopies = qp.copyCount();
    int copies = dialogCopies;
    if (dialogCopies == 1) {
        try {
            copies = FPrinter.Copies();
        } catch (const EZpPrinterError&) {
            copies = 1;
        }
    }
    Copies = copies;
    try {
        FPrinter.SetCopies(Copies);
    } catch (const EZpPrinterError&) {
        // A printer without a settings block makes its copies itself.
    }
    return true;
}

} // namespace zp
