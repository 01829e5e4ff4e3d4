// SPDX-License-Identifier: MIT
#include "app/CommandLineRun.h"

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "model/layout/LabelRoutines.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/install/DataFolders.h"
#include "platform/printing/Printer.h"
#include "print/PrinterStartUp.h"
#include "print/verify/ScanRun.h"
#include "ui/MainWindow.h"
#include "ui/Version.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>

namespace zp {

namespace {

void PrintError(const QString& message) {
    std::fprintf(stderr, "zentaprint: %s\n", message.toUtf8().constData());
}

// A command line that cannot be run: the message and where to look, not the
// whole usage text.
void PrintUsageError(const QString& message) {
    PrintError(message);
    std::fputs("Try 'zentaprint --help' for more information.\n", stderr);
}

// The main window's operations, for the classic command line.
class TMainWindowHost : public IZpCommandLineHost {
public:
    TMainWindowHost(TfrmMain& window, const TZpRunOptions& options) : FWindow(window), FOptions(options) {}

    TZpPrintInfo& PrintInfo() override { return FWindow.Document().PrintInfo(); }

    void OpenLabel(const QString& fileName) override {
        FWindow.OpenFile(fileName);
        if (!FOptions.PrinterName.isEmpty())
            UsePrinter(FOptions.PrinterName);
    }

    bool PrintDialog() override { return FWindow.PrintDialog(); }
    void Print() override {
        if (FOptions.Verify)
            Verify();
        else
            FWindow.Print(FWindow.LabelName());
    }

    void Preview() override {
        if (FOptions.Verify) {
            Verify();
            return;
        }
        if (!ZpDialogs().IsInteractive())
            PrintError(QStringLiteral("without a display the preview cannot be shown"));
        FWindow.Preview(FWindow.LabelName());
    }

    void ShowHelp(int context) override { ShowHelpTopic(context); }

    /// Whether --verify found a symbol that could not be read back.
    [[nodiscard]] bool VerifyFailed() const { return FVerifyFailed; }

    /// Gives the printer back that was selected before --printer.
    void RestorePrinter() {
        if (FPreviousPrinter >= 0)
            ZpPrinter().SetPrinterIndex(FPreviousPrinter);
    }

private:
    // --verify: the report on standard output, as CSV into --verify-report's file.
    void Verify() {
        const TZpScanReport report = VerifyDocument(FWindow.Document(), FOptions.VerifyDpi);
        std::fputs(report.Text().toUtf8().constData(), stdout);
        std::fflush(stdout);
        FVerifyFailed = report.Failed();
        if (!FOptions.VerifyReport.isEmpty())
            WriteCsv(report, FOptions.VerifyReport);
    }

    static void WriteCsv(const TZpScanReport& report, const QString& fileName) {
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(report.Csv().toUtf8()) < 0 || !file.commit())
            throw EZpError(QStringLiteral("The report could not be written to \"%1\": %2")
                               .arg(fileName, file.errorString()));
    }

    // --printer: this run only, so the choice is not remembered at exit.
    void UsePrinter(const QString& name) {
        TZpPrinter& printer = ZpPrinter();
        FPreviousPrinter = printer.PrinterIndex();
        const int index = printer.IndexOfPrinter(name);
        if (index < 0)
            throw EZpError(QStringLiteral("There is no printer \"%1\". Printers: %2")
                               .arg(name, printer.Printers().join(QStringLiteral(", "))));
        printer.SetPrinterIndex(index);
        TZpLabelDocument& doc = FWindow.Document();
        RescaleLabel(PrinterLabelDPI(printer), doc.Environment(), doc.Objects());
    }

    TfrmMain& FWindow;
    const TZpRunOptions& FOptions;
    int FPreviousPrinter = -1;
    bool FVerifyFailed = false;
};

} // namespace

void ShowHelpTopic(int context) {
    if (!HasDisplay()) {
        std::fputs(CommandLineUsage().toUtf8().constData(), stderr);
        return;
    }
    const QString page = QStringLiteral("help-%1.html").arg(context);
    // The installed pages first; the program's own copy when none is installed.
    if (const QString installed = SharedDataFile(QStringLiteral("help/") + page); !installed.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(installed));
        return;
    }
    // The browser is given a copy of the built-in page.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    QDir().mkpath(folder);
    const QString copy = QDir(folder).filePath(page);
    QFile::remove(copy);
    if (QFile::copy(QStringLiteral(":/help/") + page, copy))
        QDesktopServices::openUrl(QUrl::fromLocalFile(copy));
}

std::optional<int> RunCommandLine(TfrmMain& mainWindow, const QStringList& arguments) {
    TZpRunOptions options;
    try {
        options = ExtractRunOptions(arguments);
    } catch (const EZpError& e) {
        PrintUsageError(e.Message());
        return 1;
    }
    if (options.Help) {
        std::fputs(CommandLineUsage().toUtf8().constData(), stdout);
        return 0;
    }
    if (options.Version) {
        std::printf("Zentaprint %s\n", ProgramVersionLine().toUtf8().constData());
        return 0;
    }
    QHash<QString, QString> answers;
    for (const auto& [caption, value] : options.Answers)
        answers.insert(caption, value);
    SetPromptAnswers(std::move(answers));
    if (!options.OutputFile.isEmpty())
        ZpPrinter().SetOutputFileName(QFileInfo(options.OutputFile).absoluteFilePath());

    if (options.Verify && options.Classic.isEmpty()) {
        PrintUsageError(QStringLiteral("--verify needs a label file"));
        return 1;
    }
    // Nobody could read a help page here: a batch job that names no label fails.
    if (!options.Classic.isEmpty() && !QFileInfo(options.Classic.first()).isFile() && !HasDisplay()) {
        PrintUsageError(QStringLiteral("\"%1\" is not a label file").arg(options.Classic.first()));
        return 1;
    }
    TMainWindowHost host(mainWindow, options);
    int exitCode = 0;
    try {
        if (ProcessCommandLine(options.Classic, host) == TZpCommandLineOutcome::Interactive)
            return std::nullopt;
    } catch (const EZpAbort&) {
        exitCode = 0;
    } catch (const EZpError& e) {
        PrintError(e.Message());
        if (HasDisplay())
            ShowMessage(TZpMsgKind::Error, e.Message());
        exitCode = 1;
    }
    host.RestorePrinter();
    if (host.VerifyFailed())
        exitCode = 1;
    return exitCode;
}

} // namespace zp
