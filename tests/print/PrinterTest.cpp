// SPDX-License-Identifier: MIT
#include "platform/printing/Printer.h"

#include "FakeBackend.h"
#include "PdfInfo.h"
#include "base/LabelDpi.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/printing/PrinterError.h"
#include "platform/printing/StandardBackend.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::MessageOf;
using test::TFakeBackend;

TEST(PdfDevice, IsListedAloneWithoutSystemQueuesAndIsTheDefault) {
    TZpPrinter printer;
    EXPECT_EQ(printer.Printers(), QStringList{QStringLiteral("PDF")});
    EXPECT_EQ(printer.PrinterIndex(), 0);
    EXPECT_EQ(printer.DotsPerInch(), (TPoint{600, 600}));
    EXPECT_EQ(printer.PhysicalPageSize(), (TPoint{5100, 6600}));
    EXPECT_EQ(printer.PhysicalOffset(), (TPoint{0, 0}));
    EXPECT_EQ(printer.PrintableWidth(), 5100);
    EXPECT_EQ(printer.PrintableHeight(), 6600);
    EXPECT_EQ(printer.Orientation(), poPortrait);
    EXPECT_EQ(printer.Copies(), 1);
}

TEST(PdfDevice, IsListedAfterTheSystemQueues) {
    auto fake = std::make_unique<TFakeBackend>(TFakeBackend::WithQueues({"Laser", "Thermal"}));
    TZpPrinter printer(std::make_unique<TZpStandardBackend>(std::move(fake)));
    EXPECT_EQ(printer.Printers(), (QStringList{"Laser", "Thermal", "PDF"}));
    EXPECT_EQ(printer.PrinterIndex(), 0) << "the system's default wins over the PDF device";
}

TEST(PdfDevice, LandscapeTurnsThePage) {
    TZpPrinter printer;
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_EQ(printer.PhysicalPageSize(), (TPoint{6600, 5100}));
    EXPECT_EQ(printer.PrintableWidth(), 6600);
}

class PdfJob : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TZpPrinter Printer;
    QString File(const QString& name = QStringLiteral("out.pdf")) const { return Dir.filePath(name); }
};

TEST_F(PdfJob, WritesOnePagePerStartedPageOfTheDevicePaper) {
    struct TCase {
        TPrinterOrientation Orientation;
        int Pages;
        double Width, Height; // points
    };
    for (const TCase c : {TCase{poPortrait, 2, 612, 792}, TCase{poLandscape, 3, 792, 612}}) {
        const QString file = File(QStringLiteral("pages%1.pdf").arg(c.Pages));
        Printer.SetOrientation(c.Orientation);
        Printer.SetOutputFileName(file);
        Printer.SetTitle(QStringLiteral("Two pages"));
        Printer.StartJob();
        EXPECT_EQ(Printer.PageNumber(), 1);
        for (int page = 1; page <= c.Pages; ++page) {
            if (page > 1)
                Printer.NextPage();
            Printer.Canvas().Painter().drawRect(100, 100, 600, 300);
        }
        EXPECT_EQ(Printer.PageNumber(), c.Pages);
        EXPECT_FALSE(QFile::exists(file)) << "nothing under the name before the job ends";
        Printer.EndJob();
        EXPECT_EQ(Printer.PageNumber(), 0);
        const test::TPdfInfo info = test::ReadPdfInfo(file);
        ASSERT_TRUE(info.Error.isEmpty()) << info.Error.toStdString();
        EXPECT_EQ(info.Pages, c.Pages);
        EXPECT_NEAR(info.Width, c.Width, 0.5);
        EXPECT_NEAR(info.Height, c.Height, 0.5);
    }
}

TEST(NoPrinter, FallsBackToTheScreenResolution) {
    TZpPrinter printer(std::make_unique<TZpNoPrinterBackend>());
    EXPECT_TRUE(printer.Printers().isEmpty());
    const int screen = ScreenPixelsPerInch();
    EXPECT_EQ(printer.DotsPerInch(), (TPoint{screen, screen}));
    EXPECT_EQ(printer.PhysicalOffset(), (TPoint{0, 0}));
    EXPECT_EQ(printer.PhysicalPageSize(), (TPoint{0, 0}));
    EXPECT_EQ(MessageOf([&] { (void)printer.PrinterIndex(); }),
              QStringLiteral("There is no default printer currently selected"));
    EXPECT_EQ(MessageOf([&] { printer.StartJob(); }),
              QStringLiteral("There is no default printer currently selected"));
}

} // namespace
} // namespace zp
