// SPDX-License-Identifier: MIT
#include "app/StartUp.h"

#include "app/CommandLineRun.h"
#include "app/automation/AutomationServer.h"
#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "design/dialogs/PropertySheet.h"
#include "legacy/LegacyImport.h"
#include "model/objects/ObjectCursors.h"
#include "platform/automation/Registration.h"
#include "platform/dialogs/NonInteractiveDialogs.h"
#include "platform/dialogs/widgets/WidgetDialogs.h"
#include "platform/printing/Printer.h"
#include "platform/store/SettingsStore.h"
#include "print/PreviewJob.h"
#include "print/PrinterStartUp.h"
#include "print/dialogs/CupsBackend.h"
#include "print/dialogs/PrintPreview.h"
#include "print/dialogs/ProgressWindow.h"
#include "settings/AppOptions.h"
#include "ui/MainWindow.h"
#include "ui/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace zp {

namespace {

void SelectPlatformForThisRun() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Without a runtime folder (cron, a service, CI) Qt warns on every start;
// the process then gets a private one, removed when it ends.
std::unique_ptr<QTemporaryDir> PrivateRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return nullptr;
    auto folder =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zentaprint-runtime-XXXXXX"));
    if (!folder->isValid())
        return nullptr;
    // Qt takes a runtime folder only when nobody else may enter it.
    QFile::setPermissions(folder->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    return folder;
}

void ReportError(const QString& message) {
    std::fprintf(stderr, "zentaprint: %s\n", message.toUtf8().constData());
    ShowMessage(TZpMsgKind::Error, message);
}

} // namespace

bool HasDisplay() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void InitializeModules() {
    AppOptions().LoadFromRegistry(ZpStore());
    if (!ZpStore().LoadedCleanly())
        ShowMessage(TZpMsgKind::Warning,
                    QStringLiteral("The settings file \"%1\" could not be read. Zentaprint starts with the "
                                   "default settings and will not change that file.")
                        .arg(ZpStore().FileName()));
    ZpPrinter().SetBackend(MakeSystemPrinterBackend());
    SelectStartUpPrinter(ZpPrinter(), AppOptions().PrinterMode, ZpStore());
    // After the choice: choosing another printer loads its driver's defaults,
    // which would lose the stored orientation.
    ApplyStartUpOrientation(ZpPrinter(), ZpStore());
    SetLabelDPI(PrinterLabelDPI(ZpPrinter()));
    RegisterObjectCursors();
    InstallLegacyImporter();
}

int RunStartUp(const QStringList& arguments, bool runLoop, TZpStartUpReport* report) {
    TZpStartUpReport local;
    TZpStartUpReport& r = report ? *report : local;

    // 1. The application object: automation start modes hide the main window;
    // registration requests are carried out here and end the process.
    r.Mode = ParseStartMode(arguments);
    try {
        if (r.Mode == TZpStartMode::RegServer) {
            RegisterAutomationServer(QCoreApplication::applicationFilePath());
            return 0;
        }
        if (r.Mode == TZpStartMode::UnregServer) {
            UnregisterAutomationServer();
            return 0;
        }
    } catch (const EZpError& e) {
        ReportError(e.Message());
        return 1;
    }
    const bool showMainWindow = r.Mode == TZpStartMode::StandAlone;
    const QStringList commandLine = r.Mode == TZpStartMode::StandAlone ? arguments : QStringList();

    // 2. Title and help file.
    QApplication::setApplicationName(QStringLiteral("Zentaprint"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zentaprint"));
    qApp->setProperty("HelpFile", QStringLiteral("zentap3.hlp"));

    // 3. to 5. The splash window lives while the main window is made.
    std::unique_ptr<TfrmMain> mainWindow;
    {
        auto splash = std::make_unique<TfrmSplash>();
        if (commandLine.isEmpty() && showMainWindow) {
            splash->ShowNow();
            r.SplashShown = true;
        }
        try {
            mainWindow = std::make_unique<TfrmMain>();
        } catch (const std::exception& e) {
            splash.reset();
            const auto* error = dynamic_cast<const EZpError*>(&e);
            ReportError(error ? error->Message() : QString::fromUtf8(e.what()));
            return 1;
        }
    }

    // The label engine is served at every start while its name is free; a
    // program started for it ends with its last client.
    TZpLabelEngineHost engineHost;
    TfrmMain& window = *mainWindow;
    engineHost.Document = [&window]() -> TZpLabelDocument& { return window.Document(); };
    engineHost.LabelName = [&window] { return window.LabelName(); };
    engineHost.PrintDialog = [&window] { return window.PrintDialog(); };
    engineHost.Print = [&window](const QString& title) { window.Print(title); };
    engineHost.Preview = [&window](const QString& title) { window.Preview(title); };
    TZpAutomationServer automation(std::move(engineHost), r.Mode == TZpStartMode::Automation);
    const bool serving = automation.Start();
    if (r.Mode == TZpStartMode::Automation && !serving) {
        ReportError(
            QStringLiteral("Cannot serve %1 on the session bus.").arg(QLatin1String(kAutomationServiceName)));
        return 1;
    }
    // 6. The command line, for a stand-alone start.
    if (r.Mode == TZpStartMode::StandAlone && !commandLine.isEmpty()) {
        if (const std::optional<int> exitCode = RunCommandLine(*mainWindow, commandLine))
            return *exitCode;
    }

    if (showMainWindow) {
        if (!ZpDialogs().IsInteractive()) {
            // Nobody could see or close the window: end instead of waiting forever.
            std::fprintf(stderr, "zentaprint: no display; give a label file and a print switch to print\n");
            return 0;
        }
        mainWindow->show();
        r.MainWindowShown = true;
        // A label left unsaved by a run that ended abruptly is offered back.
        if (commandLine.isEmpty() && runLoop)
            mainWindow->OfferAutosaveRestore();
    }

    // 7. The message loop.
    if (!runLoop)
        return 0;
    r.MessageLoopRun = true;
    return QApplication::exec();
}

int RunApplication(int argc, char** argv) {
    SelectPlatformForThisRun();
    const std::unique_ptr<QTemporaryDir> runtime = PrivateRuntimeFolder();
    QApplication app(argc, argv);
    if (HasDisplay()) {
        TZpWidgetDialogs::SetProgressFactory(&CreateProgressWindow);
        InstallPropertyDialogs();
        SetPreviewWindow(&ShowPreviewWindow);
        SetZpDialogs(std::make_unique<TZpWidgetDialogs>());
    } else
        SetZpDialogs(std::make_unique<TZpNonInteractiveDialogs>());
    InitializeModules();
    const int exitCode = RunStartUp(QApplication::arguments().mid(1), true);
    SaveLastPrinter(ZpPrinter(), AppOptions().PrinterMode, ZpStore());
    return exitCode;
}

} // namespace zp
