// SPDX-License-Identifier: MIT
// The printer list, the selection rules and the device settings, over a fake
// set of queues.
#include "FakeBackend.h"
#include "platform/printing/Printer.h"
#include "platform/printing/StandardBackend.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using test::MessageOf;
using test::TFakeBackend;

/// A printer over fake queues; Fake stays reachable for the test.
struct TFixture {
    TFakeBackend* Fake;
    std::unique_ptr<TZpPrinter> Printer;
    explicit TFixture(TFakeBackend backend) {
        auto owned = std::make_unique<TFakeBackend>(std::move(backend));
        Fake = owned.get();
        Printer = std::make_unique<TZpPrinter>(std::move(owned));
    }
};

TEST(PrinterSelection, TheDefaultIsResolvedOnFirstUse) {
    TFakeBackend b = TFakeBackend::WithQueues({"A", "B", "C"});
    b.Default = b.Queues[1];
    TFixture f(std::move(b));
    EXPECT_EQ(f.Printer->PrinterIndex(), 1);
    EXPECT_EQ(f.Printer->PrinterName(), QStringLiteral("B"));
    f.Printer->SetPrinterIndex(2);
    EXPECT_EQ(f.Printer->PrinterIndex(), 2);
    f.Printer->SetPrinterIndex(-1);
    EXPECT_EQ(f.Printer->PrinterIndex(), 1) << "-1 always goes back to the system default";
}

TEST(PrinterSelection, NoDefaultOrAnUnknownDefaultIsAnError) {
    struct TCase {
        const char* Why;
        std::optional<TPrinterDevice> Default;
    };
    for (const TCase& c : {TCase{"no default", std::nullopt},
                           TCase{"default not in the list", TPrinterDevice{"X", "X", "", ""}}}) {
        TFakeBackend b = TFakeBackend::WithQueues({"A"});
        b.Default = c.Default;
        TFixture f(std::move(b));
        EXPECT_EQ(MessageOf([&] { (void)f.Printer->PrinterIndex(); }),
                  QStringLiteral("There is no default printer currently selected"))
            << c.Why;
        // An explicit choice still works.
        f.Printer->SetPrinterIndex(0);
        EXPECT_EQ(f.Printer->PrinterName(), QStringLiteral("A")) << c.Why;
    }
}

TEST(PrinterSelection, AnIndexOutOfRangeChangesNothing) {
    TFixture f(TFakeBackend::WithQueues({"A", "B"}));
    f.Printer->SetPrinterIndex(1);
    f.Printer->SetOrientation(poLandscape);
    for (int bad : {2, 3, -2})
        EXPECT_EQ(MessageOf([&] { f.Printer->SetPrinterIndex(bad); }),
                  QStringLiteral("Printer index out of range"))
            << bad;
    EXPECT_EQ(f.Printer->PrinterIndex(), 1);
    EXPECT_EQ(f.Printer->Orientation(), poLandscape);
}

TEST(PrinterSelection, TheSameIndexOnlyReleasesTheContextWhileANewOneLoadsDriverDefaults) {
    TFixture f(TFakeBackend::WithQueues({"A", "B"}));
    f.Printer->SetPrinterIndex(1);
    f.Printer->SetOrientation(poLandscape);
    (void)f.Printer->DotsPerInch();
    EXPECT_EQ(f.Printer->State(), TPrinterState::Info);
    f.Printer->SetPrinterIndex(1);
    EXPECT_EQ(f.Printer->State(), TPrinterState::None);
    EXPECT_EQ(f.Printer->Orientation(), poLandscape) << "unchanged index keeps the settings";
    f.Printer->SetPrinterIndex(0);
    EXPECT_EQ(f.Printer->Orientation(), poPortrait) << "a new printer starts from its driver's defaults";
}

TEST(PrinterSelection, OrientationReadsPortraitOnlyForThePortraitValue) {
    TFixture f(TFakeBackend::WithQueues({"A"}));
    for (const auto& [stored, expected] : std::vector<std::pair<int16_t, TPrinterOrientation>>{
             {1, poPortrait}, {2, poLandscape}, {0, poLandscape}, {7, poLandscape}}) {
        TZpDeviceSettings s;
        s.Fields = TZpDeviceSettings::dmOrientation;
        s.Orientation = stored;
        f.Printer->SetDevice("A", "", "", s);
        EXPECT_EQ(f.Printer->Orientation(), expected) << stored;
    }
    f.Printer->SetOrientation(poLandscape);
    EXPECT_EQ(f.Printer->GetDevice().Settings->Orientation, TZpDeviceSettings::dmLandscape);
    EXPECT_EQ(f.Printer->PhysicalPageSize(), (TPoint{6600, 5100}))
        << "the new orientation reaches the device";
}

TEST(PrinterSelection, WithoutASettingsBlockOrientationAndCopiesAreNotSupported) {
    TFakeBackend b = TFakeBackend::WithQueues({"Plain"});
    b.NoSettings = {"Plain"};
    TFixture f(std::move(b));
    const QString notSupported = QStringLiteral("Operation not supported on selected printer");
    EXPECT_EQ(MessageOf([&] { (void)f.Printer->Copies(); }), notSupported);
    EXPECT_EQ(MessageOf([&] { f.Printer->SetCopies(2); }), notSupported);
    EXPECT_EQ(MessageOf([&] { (void)f.Printer->Orientation(); }), notSupported);
    EXPECT_EQ(MessageOf([&] { f.Printer->SetOrientation(poLandscape); }), notSupported);
    EXPECT_EQ(f.Printer->Capabilities(), 0);
    // Measurements still work: the device's own settings apply.
    EXPECT_EQ(f.Printer->DotsPerInch(), (TPoint{600, 600}));
}

TEST(PrinterSelection, CopiesAndCapabilitiesFollowTheSettingsBlock) {
    TFixture f(TFakeBackend::WithQueues({"A"}));
    EXPECT_EQ(f.Printer->Copies(), 1);
    EXPECT_EQ(f.Printer->Capabilities(), pcCopies | pcOrientation);
    f.Printer->SetCopies(3);
    EXPECT_EQ(f.Printer->Copies(), 3);
    f.Printer->SetCopies(0);
    EXPECT_EQ(f.Printer->Copies(), 1) << "no device prints fewer than one copy";
    TZpDeviceSettings collating;
    collating.Fields = TZpDeviceSettings::dmCollate;
    f.Printer->SetDevice("A", "", "", collating);
    EXPECT_EQ(f.Printer->Capabilities(), pcCollation);
}

TEST(PrinterSelection, SetDeviceFindsTheSameDeviceOrAddsAnEntry) {
    TFakeBackend b;
    b.Queues = {{"Laser on LPT1", "Laser", "", "LPT1"},
                {"Laser on LPT2", "Laser", "", "LPT2"},
                {"Label", "Label", "", ""}};
    b.Default = b.Queues[0];
    TFixture f(std::move(b));
    f.Printer->SetDevice("Laser", "", "LPT2", std::nullopt);
    EXPECT_EQ(f.Printer->PrinterIndex(), 1);
    f.Printer->SetDevice("Label", "", "USB1", std::nullopt);
    EXPECT_EQ(f.Printer->PrinterIndex(), 2) << "an entry without port matches any port";
    EXPECT_EQ(f.Printer->GetDevice().Port, QStringLiteral("USB1")) << "and takes the port";
    f.Printer->SetDevice("Other", "", "FILE:", std::nullopt);
    EXPECT_EQ(f.Printer->PrinterIndex(), 3);
    EXPECT_EQ(f.Printer->Printers().last(), QStringLiteral("Other on FILE:"));
    // The built-in PDF device is told apart from a queue of the same name by its driver.
    TZpPrinter standard(std::make_unique<TZpStandardBackend>(
        std::make_unique<TFakeBackend>(TFakeBackend::WithQueues({"PDF on CUPS"}))));
    const TPrinterDevice pdf = TZpStandardBackend::PdfDevice();
    standard.SetDevice(pdf.Device, pdf.Driver, pdf.Port, std::nullopt);
    EXPECT_EQ(standard.PrinterName(), QStringLiteral("PDF"));
}

TEST(PrinterSelection, RefreshEnumeratesAgainAndEnumerationErrorsPassOn) {
    TFixture f(TFakeBackend::WithQueues({"A", "B"}));
    EXPECT_EQ(f.Printer->Printers().size(), 2);
    f.Fake->Queues.push_back({"C", "C", "", ""});
    EXPECT_EQ(f.Printer->Printers().size(), 2) << "the list is kept until Refresh";
    f.Printer->Refresh();
    EXPECT_EQ(f.Printer->Printers().size(), 3);
    f.Fake->EnumError = QStringLiteral("The RPC server is unavailable");
    f.Printer->Refresh();
    EXPECT_EQ(MessageOf([&] { (void)f.Printer->Printers(); }),
              QStringLiteral("The RPC server is unavailable"));
    f.Fake->EnumError.clear();
    EXPECT_EQ(f.Printer->Printers().size(), 3) << "no partial list was kept";
    EXPECT_EQ(f.Fake->Enumerations, 4);
}

TEST(PrinterSelection, AQueueThatCannotBeOpenedIsNotValid) {
    TFixture f(TFakeBackend::WithQueues({"A", "Gone"}));
    f.Printer->SetPrinterIndex(1);
    f.Fake->Gone = {"Gone"};
    EXPECT_EQ(MessageOf([&] { (void)f.Printer->DotsPerInch(); }),
              QStringLiteral("Printer selected is not valid"));
    EXPECT_EQ(MessageOf([&] { f.Printer->StartJob(); }), QStringLiteral("Printer selected is not valid"));
    EXPECT_FALSE(f.Printer->Printing());
    f.Printer->SetPrinterIndex(0);
    EXPECT_EQ(f.Printer->DotsPerInch(), (TPoint{600, 600}));
}

} // namespace
} // namespace zp
