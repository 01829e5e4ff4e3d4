// SPDX-License-Identifier: MIT
// The print and page-setup dialogs, answered without a person.
#include "print/dialogs/PrintDialog.h"

#include "platform/printing/Printer.h"
#include "print/dialogs/PageSetup.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace zp {
namespace {

/// Accepts the real dialog once it runs, as a click on OK would.
int AcceptAsShown(QDialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
    return dialog.exec();
}

class PrintDialog : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TZpPrinter Printer; // the PDF device alone
};

TEST_F(PrintDialog, ConfirmingUnchangedKeepsThePdfDeviceAndItsFile) {
    const QString file = Dir.filePath(QStringLiteral("labels.pdf"));
    Printer.SetOutputFileName(file);
    TZpPrintDialog dialog(Printer);
    dialog.Runner = [](QPrintDialog& d, QPrinter&) { return AcceptAsShown(d); };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Printer.PrinterName(), QStringLiteral("PDF"));
    EXPECT_EQ(Printer.OutputFileName(), file);
    EXPECT_EQ(Printer.DotsPerInch(), (TPoint{600, 600}));
    EXPECT_EQ(Printer.PhysicalPageSize(), (TPoint{5100, 6600}));
    EXPECT_TRUE(dialog.PrintToFile);
    EXPECT_EQ(dialog.PrintRange, prAllPages);
    EXPECT_EQ(dialog.Copies, 1);
}

TEST_F(PrintDialog, TheChoicesComeBackAndTheSettingsBecomeCurrent) {
    Printer.SetOutputFileName(Dir.filePath(QStringLiteral("a.pdf")));
    TZpPrintDialog dialog(Printer);
    dialog.Options = poPageNums;
    dialog.MinPage = 1;
    dialog.MaxPage = 9;
    dialog.Runner = [&](QPrintDialog& d, QPrinter& qp) {
        qp.setPageOrientation(QPageLayout::Landscape);
        qp.setCopyCount(3);
        qp.setCollateCopies(true);
        qp.setFromTo(2, 4);
        qp.setOutputFileName(Dir.filePath(QStringLiteral("b.pdf")));
        d.setPrintRange(QAbstractPrintDialog::PageRange);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.PrintRange, prPageNums);
    EXPECT_EQ(dialog.FromPage, 2);
    EXPECT_EQ(dialog.ToPage, 4);
    EXPECT_TRUE(dialog.Collate);
    EXPECT_EQ(dialog.Copies, 3);
    EXPECT_EQ(Printer.Copies(), 3);
    EXPECT_EQ(Printer.Orientation(), poLandscape);
    EXPECT_EQ(Printer.PhysicalPageSize(), (TPoint{6600, 5100}));
    EXPECT_EQ(Printer.OutputFileName(), Dir.filePath(QStringLiteral("b.pdf")));
}

TEST_F(PrintDialog, CancellingChangesNothing) {
    Printer.SetCopies(2);
    TZpPrintDialog dialog(Printer);
    dialog.Runner = [](QPrintDialog& d, QPrinter& qp) {
        qp.setPageOrientation(QPageLayout::Landscape);
        qp.setCopyCount(5);
        d.reject();
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(Printer.Orientation(), poPortrait);
    EXPECT_EQ(Printer.Copies(), 2);
}

TEST_F(PrintDialog, PageSetupSetsPaperAndOrientation) {
    const TPageSetupRunner landscapeA4 = [](QPageSetupDialog&, QPrinter& qp) {
        qp.setPageSize(QPageSize(QPageSize::A4));
        qp.setPageOrientation(QPageLayout::Landscape);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(ShowPageSetup(Printer, nullptr, landscapeA4));
    EXPECT_EQ(Printer.Orientation(), poLandscape);
    EXPECT_EQ(Printer.PhysicalPageSize(), (TPoint{7016, 4961})) << "A4 across at 600 dpi";

    const TPageSetupRunner cancelled = [](QPageSetupDialog&, QPrinter& qp) {
        qp.setPageOrientation(QPageLayout::Portrait);
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(ShowPageSetup(Printer, nullptr, cancelled));
    EXPECT_EQ(Printer.Orientation(), poLandscape);
}

TEST_F(PrintDialog, ThePageSetupDialogRunsForThePdfDevice) {
    EXPECT_TRUE(
        ShowPageSetup(Printer, nullptr, [](QPageSetupDialog& d, QPrinter&) { return AcceptAsShown(d); }));
    EXPECT_EQ(Printer.PhysicalPageSize(), (TPoint{5100, 6600}));
}

} // namespace
} // namespace zp
