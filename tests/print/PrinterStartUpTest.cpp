// SPDX-License-Identifier: MIT
// The printer-mode rules at start-up and exit, and LabelDPI from the printer.
#include "print/PrinterStartUp.h"

#include "FakeBackend.h"
#include "base/LabelDpi.h"
#include "platform/printing/Printer.h"
#include "platform/printing/StandardBackend.h"
#include "platform/store/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::TFakeBackend;

struct TModeCase {
    const char* Name;
    TZpPrinterMode Mode;
    const char* Stored; // "Last Used"/"Printer", null when absent
    const char* Expected;
    bool NoSystemDefault = false;
};

class StartUpPrinter : public ::testing::TestWithParam<TModeCase> {};

TEST_P(StartUpPrinter, FollowsThePrinterMode) {
    const TModeCase& c = GetParam();
    QTemporaryDir dir;
    TZpSettingsStore store(dir.filePath(QStringLiteral("store.ini")));
    if (c.Stored)
        store.WriteString(QStringLiteral("Last Used"), QStringLiteral("Printer"),
                          QString::fromUtf8(c.Stored));
    TFakeBackend b = TFakeBackend::WithQueues({"Office", "Labels"});
    b.Default = b.Queues[0];
    if (c.NoSystemDefault)
        b.Default.reset();
    TZpPrinter printer(std::make_unique<TFakeBackend>(std::move(b)));
    SelectStartUpPrinter(printer, c.Mode, store);
    EXPECT_EQ(printer.PrinterName(), QString::fromUtf8(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StartUpPrinter,
    ::testing::Values(TModeCase{"LastPrinter", pmLastPrinter, "Labels", "Labels"},
                      TModeCase{"SelectedPrinter", pmSelectedPrinter, "Labels", "Labels"},
                      TModeCase{"SystemDefault", pmWindowsDefault, "Labels", "Office"},
                      TModeCase{"NothingStored", pmLastPrinter, nullptr, "Office"},
                      TModeCase{"StoredPrinterGone", pmSelectedPrinter, "Removed", "Office"},
                      TModeCase{"StoredWithoutSystemDefault", pmLastPrinter, "Labels", "Labels", true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(StartUpPrinter, TheStoredLabelOrientationIsGivenToTheChosenPrinter) {
    struct TCase {
        const char* Stored; // "Label Properties"/"Orientation", null when absent
        TPrinterOrientation Expected;
    };
    for (const TCase& c : {TCase{nullptr, poPortrait}, TCase{"0", poPortrait}, TCase{"1", poLandscape},
                           TCase{"abc", poPortrait}}) {
        QTemporaryDir dir;
        TZpSettingsStore store(dir.filePath(QStringLiteral("store.ini")));
        store.WriteString(QStringLiteral("Last Used"), QStringLiteral("Printer"), QStringLiteral("Labels"));
        if (c.Stored)
            store.WriteString(QStringLiteral("Label Properties"), QStringLiteral("Orientation"),
                              QString::fromUtf8(c.Stored));
        TZpPrinter printer(std::make_unique<TFakeBackend>(TFakeBackend::WithQueues({"Office", "Labels"})));
        SelectStartUpPrinter(printer, pmLastPrinter, store);
        ApplyStartUpOrientation(printer, store);
        EXPECT_EQ(printer.PrinterName(), QStringLiteral("Labels"));
        EXPECT_EQ(printer.Orientation(), c.Expected) << (c.Stored ? c.Stored : "(absent)");
    }

    QTemporaryDir dir;
    TZpSettingsStore store(dir.filePath(QStringLiteral("store.ini")));
    store.WriteInteger(QStringLiteral("Label Properties"), QStringLiteral("Orientation"), 1);
    TZpPrinter none(std::make_unique<TZpNoPrinterBackend>());
    ApplyStartUpOrientation(none, store); // nothing to give it to, and no error
    TFakeBackend plain = TFakeBackend::WithQueues({"Plain"});
    plain.NoSettings = {"Plain"};
    TZpPrinter withoutSettings(std::make_unique<TFakeBackend>(std::move(plain)));
    ApplyStartUpOrientation(withoutSettings, store);
    EXPECT_EQ(withoutSettings.Capabilities(), 0) << "a printer without settings keeps its own";
}

TEST(StartUpPrinter, OnlyTheLastPrinterModeRemembersThePrinterAtExit) {
    QTemporaryDir dir;
    TZpSettingsStore store(dir.filePath(QStringLiteral("store.ini")));
    TZpPrinter printer(std::make_unique<TFakeBackend>(TFakeBackend::WithQueues({"Office", "Labels"})));
    printer.SetPrinterIndex(1);
    for (TZpPrinterMode mode : {pmWindowsDefault, pmSelectedPrinter}) {
        SaveLastPrinter(printer, mode, store);
        EXPECT_FALSE(store.ValueExists(QStringLiteral("Last Used"), QStringLiteral("Printer"))) << int(mode);
    }
    SaveLastPrinter(printer, pmLastPrinter, store);
    EXPECT_EQ(store.ReadString(QStringLiteral("Last Used"), QStringLiteral("Printer"), {}),
              QStringLiteral("Labels"));

    TZpPrinter none(std::make_unique<TZpNoPrinterBackend>());
    store.WriteString(QStringLiteral("Last Used"), QStringLiteral("Printer"), QStringLiteral("Kept"));
    SaveLastPrinter(none, pmLastPrinter, store);
    SelectStartUpPrinter(none, pmLastPrinter, store);
    EXPECT_EQ(store.ReadString(QStringLiteral("Last Used"), QStringLiteral("Printer"), {}),
              QStringLiteral("Kept"))
        << "without printers nothing is written";
}

TEST(StartUpPrinter, LabelDpiIsThePrintersHorizontalResolutionOrTheScreens) {
    TFakeBackend b = TFakeBackend::WithQueues({"Thermal", "Gone"});
    b.LowResolution = {"Thermal"};
    TZpPrinter printer(std::make_unique<TFakeBackend>(std::move(b)));
    EXPECT_EQ(PrinterLabelDPI(printer), 300);
    TZpPrinter pdf;
    EXPECT_EQ(PrinterLabelDPI(pdf), 600);
    TZpPrinter none(std::make_unique<TZpNoPrinterBackend>());
    EXPECT_EQ(PrinterLabelDPI(none), ScreenPixelsPerInch());
    TFakeBackend broken = TFakeBackend::WithQueues({"Gone"});
    broken.Gone = {"Gone"};
    TZpPrinter failing(std::make_unique<TFakeBackend>(std::move(broken)));
    EXPECT_EQ(PrinterLabelDPI(failing), ScreenPixelsPerInch()) << "a printer error falls back to the screen";
}

} // namespace
} // namespace zp
