// SPDX-License-Identifier: MIT
// Prints through a real CUPS queue: the cups-pdf queue that prepare.sh adds.
// Under CI the print server must be there, so a missing one fails the test;
// elsewhere the test is skipped with the reason.
#include "PdfInfo.h"
#include "RunFixture.h"
#include "platform/printing/Printer.h"
#include "platform/printing/PrinterError.h"
#include "print/PrintJob.h"
#include "print/dialogs/CupsBackend.h"
#include "print/dialogs/PrintDialog.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace zp {
namespace {

const QString kQueue = QStringLiteral("ZentaprintTest");
const QString kOutputRoot = QStringLiteral("/var/spool/zentaprint-cups-pdf");

/// Why the round trip cannot run here; empty when it can.
QString MissingPrintServer() {
    QProcess lpstat;
    // Its answer is matched as text, and CUPS translates it.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    lpstat.setProcessEnvironment(env);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    if (!lpstat.waitForFinished(10000))
        return QStringLiteral("lpstat could not be run (cups-client missing?)");
    if (!QString::fromLocal8Bit(lpstat.readAllStandardOutput())
             .contains(QLatin1String("scheduler is running")))
        return QStringLiteral("the CUPS scheduler is not running (tests/print/prepare.sh starts it as root)");
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), kQueue});
    if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0)
        return QStringLiteral("the queue %1 is missing (tests/print/prepare.sh adds it as root)").arg(kQueue);
    return {};
}

void RequirePrintServer() {
    const QString missing = MissingPrintServer();
    if (missing.isEmpty())
        return;
    if (qEnvironmentVariable("CI") == QLatin1String("true"))
        FAIL() << "CUPS round trip cannot run: " << missing.toStdString();
    GTEST_SKIP() << "CUPS round trip skipped: " << missing.toStdString();
}

/// The file cups-pdf wrote for the job whose title holds token: in the folder
/// that prepare.sh configures, or in cups-pdf's own default folder when its
/// confinement (AppArmor's profile for it) keeps it from reading that setting.
QString WaitForOutput(const QString& token, int milliseconds = 90000) {
    const passwd* pw = getpwuid(getuid());
    const QString user = QString::fromLocal8Bit(pw ? pw->pw_name : "root");
    const QList<QDir> dirs{QDir(kOutputRoot + QLatin1Char('/') + user),
                           QDir(QStringLiteral("/var/spool/cups-pdf/") + user)};
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        for (const QDir& dir : dirs) {
            const QStringList found =
                dir.entryList({QLatin1Char('*') + token + QStringLiteral("*.pdf")}, QDir::Files);
            // cups-pdf writes the file in place: wait until it is a whole PDF.
            if (!found.isEmpty() && test::ReadPdfInfo(dir.filePath(found.first())).Pages > 0)
                return dir.filePath(found.first());
        }
        QThread::msleep(250);
    }
    return {};
}

TEST(CupsRoundTrip, ListsTheQueueAndPrintsTwoPagesThroughIt) {
    RequirePrintServer();
    if (HasFatalFailure() || IsSkipped())
        return;
    TZpPrinter printer(MakeSystemPrinterBackend());
    const QStringList names = printer.Printers();
    ASSERT_TRUE(names.contains(kQueue)) << names.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(names.last(), QStringLiteral("PDF")) << "the PDF device comes after the queues";

    printer.SetPrinterIndex(printer.IndexOfPrinter(kQueue));
    EXPECT_EQ(printer.PrinterName(), kQueue);
    EXPECT_EQ(printer.Orientation(), poPortrait);
    const TPoint dpi = printer.DotsPerInch();
    const TPoint page = printer.PhysicalPageSize();
    const TPoint offset = printer.PhysicalOffset();
    ASSERT_GT(dpi.X, 0);
    EXPECT_GT(page.X, 0);
    EXPECT_LE(offset.X + printer.PrintableWidth(), page.X);
    EXPECT_LE(offset.Y + printer.PrintableHeight(), page.Y);

    const QString token = QStringLiteral("zpcups%1").arg(QDateTime::currentMSecsSinceEpoch());
    printer.SetTitle(token);
    printer.StartJob();
    printer.Canvas().Painter().drawText(100, 100, QStringLiteral("Page one"));
    printer.NextPage();
    printer.Canvas().Painter().drawText(100, 100, QStringLiteral("Page two"));
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.EndJob();

    const QString file = WaitForOutput(token);
    ASSERT_FALSE(file.isEmpty()) << "cups-pdf wrote no file for " << token.toStdString() << " under "
                                 << kOutputRoot.toStdString();
    const test::TPdfInfo info = test::ReadPdfInfo(file);
    EXPECT_EQ(info.Pages, 2);
    EXPECT_NEAR(info.Width, page.X * 72.0 / dpi.X, 1.0);
    EXPECT_NEAR(info.Height, page.Y * 72.0 / dpi.Y, 1.0);
    QFile::remove(file);
}

TEST(CupsRoundTrip, AQueueThatVanishedIsNotValid) {
    RequirePrintServer();
    if (HasFatalFailure() || IsSkipped())
        return;
    TZpPrinter printer(MakeSystemPrinterBackend());
    // Selected by name as a label file would, after the queue went away.
    printer.SetDevice(QStringLiteral("ZentaprintGone"), QString(), QString(), std::nullopt);
    EXPECT_FALSE(printer.GetDevice().Settings) << "no driver answers for a missing queue";
    try {
        printer.StartJob();
        FAIL() << "a job started on a missing queue";
    } catch (const EZpError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Printer selected is not valid"));
    }
    EXPECT_FALSE(printer.Printing());
}

TEST(CupsRoundTrip, ThePrintDialogKeepsTheChosenQueue) {
    RequirePrintServer();
    if (HasFatalFailure() || IsSkipped())
        return;
    TZpPrinter printer(MakeSystemPrinterBackend());
    printer.SetPrinterIndex(printer.IndexOfPrinter(kQueue));
    const TPoint page = printer.PhysicalPageSize();
    TZpPrintDialog dialog(printer);
    dialog.Runner = [](QPrintDialog& d, QPrinter&) {
        QTimer::singleShot(0, &d, [&d] { d.accept(); });
        return d.exec();
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(printer.PrinterName(), kQueue);
    EXPECT_FALSE(dialog.PrintToFile);
    EXPECT_EQ(printer.PhysicalPageSize(), page);
}

// Runs a CUPS administration command on the test queue; false when it could
// not be run (not root).
bool Administer(const QString& command) {
    QProcess p;
    p.start(command, {kQueue});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class CupsRun : public test::RunFixture {};

TEST_F(CupsRun, AQueueThatStopsTakingJobsMidRunEndsWithAMessageAndNoOutput) {
    RequirePrintServer();
    if (HasFatalFailure() || IsSkipped())
        return;
    ZpPrinter().SetBackend(MakeSystemPrinterBackend());
    ZpPrinter().SetPrinterIndex(ZpPrinter().IndexOfPrinter(kQueue));
    bool rejected = false;
    Info.TotalLabels = 25;
    Probe->OnDraw = [&] {
        if (Drawn.size() == 15) // on the second sheet
            rejected = Administer(QStringLiteral("cupsreject"));
    };
    const QString token = QStringLiteral("zpreject%1").arg(QDateTime::currentMSecsSinceEpoch());
    QString message;
    try {
        RunPrintJob(Doc.Objects(), Doc.Layout(), Data(), token, Info);
    } catch (const EZpAbort&) {
        message = QStringLiteral("(a silent abort)");
    } catch (const EZpError& e) {
        message = e.Message();
    }
    Administer(QStringLiteral("cupsaccept"));
    if (!rejected)
        GTEST_SKIP() << "cupsreject could not be run here (not root?)";
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("The job could not be sent to the printer \"ZentaprintTest\"")))
        << message.toStdString();
    EXPECT_FALSE(ZpPrinter().Printing());
    EXPECT_TRUE(WaitForOutput(token, 3000).isEmpty()) << "nothing reached the queue";
}

} // namespace
} // namespace zp
