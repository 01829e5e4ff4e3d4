// SPDX-License-Identifier: MIT
#include "app/StartUp.h"

#include "base/LabelDpi.h"
#include "model/objects/ObjectCursors.h"
#include "platform/automation/Registration.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/printing/Printer.h"
#include "platform/store/SettingsStore.h"
#include "support/TestSupport.h"
#include "ui/MainWindow.h"
#include "ui/SplashWindow.h"
#include "ui/Version.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

struct ModeCase {
    const char* name;
    QStringList args;
    TZpStartMode mode;
};

const ModeCase kModes[] = {
    {"NoArguments", {}, TZpStartMode::StandAlone},
    {"LabelFile", {"label.zp3", "/P"}, TZpStartMode::StandAlone},
    {"DashAutomation", {"-automation"}, TZpStartMode::Automation},
    {"SlashEmbeddingMixedCase", {"/Embedding"}, TZpStartMode::Automation},
    {"RegServer", {"/REGSERVER"}, TZpStartMode::RegServer},
    {"UnregServer", {"-unregserver"}, TZpStartMode::UnregServer},
    {"NotASwitch", {"automation"}, TZpStartMode::StandAlone},
    {"AfterAFile", {"x.zp3", "-Automation"}, TZpStartMode::Automation},
};

class StartModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(StartModeTest, RecognisesTheSwitches) {
    EXPECT_EQ(ParseStartMode(GetParam().args), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(StartUp, StartModeTest, ::testing::ValuesIn(kModes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUpTest, VersionAndVendorLines) {
    test::ClearStore();
    EXPECT_EQ(ProgramVersionLine(), QStringLiteral("Version 3.00 (Build 1)"));
    EXPECT_TRUE(TfrmSplash().VendorLine().isEmpty());
    ZpStore().WriteString(QStringLiteral("Vendor Specific"), QStringLiteral("About Message"),
                          QStringLiteral("Supplied by Example Labels"));
    TfrmSplash splash;
    EXPECT_EQ(splash.VersionLine(), QStringLiteral("Version 3.00 (Build 1)"));
    EXPECT_EQ(splash.VendorLine(), QStringLiteral("Supplied by Example Labels"));
    test::ClearStore();
}

TEST(StartUpTest, AnInteractiveStartShowsTheSplashThenTheMainWindow) {
    TZpScriptedDialogsGuard dialogs; // someone to answer
    TZpStartUpReport report;
    EXPECT_EQ(RunStartUp({}, false, &report), 0);
    EXPECT_EQ(report.Mode, TZpStartMode::StandAlone);
    EXPECT_TRUE(report.SplashShown);
    EXPECT_TRUE(report.MainWindowShown);
    EXPECT_FALSE(report.MessageLoopRun);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TfrmSplash*>(w), nullptr) << "the splash window outlived start-up";
}

TEST(StartUpTest, AutomationShowsNoWindowAndIgnoresTheCommandLine) {
    TZpScriptedDialogsGuard dialogs;
    TZpStartUpReport report;
    // No session bus here: a program nobody can reach ends at once, as a failure.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_EQ(RunStartUp({"-Automation", "--demo"}, false, &report), 1);
    EXPECT_EQ(report.Mode, TZpStartMode::Automation);
    EXPECT_FALSE(report.SplashShown);
    EXPECT_FALSE(report.MainWindowShown);
}

TEST(StartUpTest, WithNoOneToAskAStartWithoutAJobEnds) {
    TZpStartUpReport report; // the non-interactive services are installed
    EXPECT_EQ(RunStartUp({}, true, &report), 0);
    EXPECT_FALSE(report.MessageLoopRun);
}

TEST(StartUpTest, MainWindowOpensCentredAt640By480OnAnEmptyStore) {
    test::ClearStore();
    TfrmMain main;
    EXPECT_EQ(main.size(), QSize(640, 480));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("New Label - Zentaprint"));
    EXPECT_TRUE(main.Document().Objects().empty());
    // The default label format of an empty store: 2 x 5 rounded 4 x 2 inch labels on US Letter.
    const TLabelProperties& layout = main.Document().Layout();
    EXPECT_EQ(layout.Columns, 2);
    EXPECT_EQ(layout.Rows, 5);
    EXPECT_EQ(layout.LabelShape, lsRoundRect);
    EXPECT_FLOAT_EQ(layout.Width, 4);
    EXPECT_FLOAT_EQ(layout.Height, 2);
    EXPECT_FLOAT_EQ(layout.PageWidth, 8.5f);
    EXPECT_FLOAT_EQ(layout.PageHeight, 11);
    EXPECT_FLOAT_EQ(layout.HorizontalPitch, 4.188f);
    EXPECT_EQ(layout.LabelType, "Default Label");
}

TEST(StartUpTest, RegistrationWritesAndRemovesTheActivationFile) {
    const QString path = ActivationFilePath();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))) << path.toStdString();
    EXPECT_EQ(RunStartUp({"/RegServer"}, false), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("Name=Zentap3.LabelEngine"));
    EXPECT_TRUE(text.contains("-automation"));
    file.close();
    EXPECT_EQ(RunStartUp({"-unregserver"}, false), 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(StartUpTest, ModulesSetThePrinterResolutionAndTheCursors) {
    InitializeModules();
    EXPECT_EQ(LabelDPI(), ZpPrinter().DotsPerInch().X);
    for (int id = 2000; id <= 2008; ++id) {
        const QCursor cursor = ObjectCursor(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << id;
        EXPECT_FALSE(cursor.pixmap().isNull()) << ObjectCursorResource(id);
    }
    EXPECT_STREQ(ObjectCursorResource(2006), "CRS_CONSTRAINEDLINE");
    EXPECT_EQ(ObjectCursor(-12).shape(), Qt::DragMoveCursor);
}

// The program picks the offscreen platform and the non-interactive
// services by itself when there is no display, so it never waits.
TEST(StartUpTest, WithoutADisplayTheProgramRunsHeadless) {
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(var));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZP_EXECUTABLE), {});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the program waited";
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardError().contains("no display"));

    // A label without a job would open in a window nobody sees: it ends too.
    program.start(QStringLiteral(ZP_EXECUTABLE), {QStringLiteral(ZP_SAMPLE_DIR "/product-label.zp3")});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the program waited";
    EXPECT_EQ(program.exitCode(), 0);

    const QString pdf = home.filePath(QStringLiteral("product-labels.pdf"));
    program.start(QStringLiteral(ZP_EXECUTABLE), {QStringLiteral(ZP_SAMPLE_DIR "/product-label.zp3"),
                                                  QStringLiteral("-P"), QStringLiteral("-O=") + pdf});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
}

} // namespace
} // namespace zp
