// SPDX-License-Identifier: MIT
// The job bracket and the output of the built-in PDF device.
#include "PdfInfo.h"
#include "platform/dialogs/NonInteractiveDialogs.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/printing/Printer.h"
#include "platform/printing/QueueJob.h"
#include "platform/store/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

QString MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EZpError& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QByteArray ReadAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class PrintJob : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TZpPrinter Printer; // the PDF device alone
    QString Path(const QString& name) const { return Dir.filePath(name); }
};

TEST_F(PrintJob, TheBracketRefusesWhatItsStateForbids) {
    const QString notPrinting = QStringLiteral("Printer is not currently printing");
    const QString printing = QStringLiteral("Printing in progress");
    EXPECT_EQ(MessageOf([&] { Printer.NextPage(); }), notPrinting);
    EXPECT_EQ(MessageOf([&] { Printer.EndJob(); }), notPrinting);
    EXPECT_EQ(MessageOf([&] { Printer.AbortJob(); }), notPrinting);
    EXPECT_EQ(MessageOf([&] { Printer.Canvas().Painter().drawLine(0, 0, 10, 10); }), notPrinting);
    EXPECT_FALSE(Printer.Canvas().HasHandle());

    Printer.SetOutputFileName(Path("job.pdf"));
    Printer.StartJob();
    EXPECT_TRUE(Printer.Printing());
    EXPECT_EQ(Printer.State(), TPrinterState::Device);
    EXPECT_TRUE(Printer.Canvas().HasHandle());
    const std::vector<std::function<void()>> refused = {
        [&] { Printer.StartJob(); },
        [&] { Printer.SetPrinterIndex(0); },
        [&] { Printer.SetOrientation(poLandscape); },
        [&] { Printer.SetCopies(2); },
        [&] { Printer.SetDevice("PDF", "", "", std::nullopt); },
        [&] { Printer.SetBackend(nullptr); },
    };
    for (size_t i = 0; i < refused.size(); ++i)
        EXPECT_EQ(MessageOf(refused[i]), printing) << "call " << i;
    // Measurements during the job are the job's device.
    EXPECT_EQ(Printer.DotsPerInch(), (TPoint{600, 600}));
    Printer.EndJob();
    EXPECT_FALSE(Printer.Printing());
    EXPECT_EQ(Printer.PageNumber(), 0);
    EXPECT_EQ(Printer.State(), TPrinterState::None);
    EXPECT_EQ(test::ReadPdfInfo(Path("job.pdf")).Pages, 1);
}

TEST_F(PrintJob, AnAbortedJobLeavesTheOldFileAsItWas) {
    const QString file = Path("kept.pdf");
    WriteFile(file, "previous contents");
    Printer.SetOutputFileName(file);
    Printer.StartJob();
    Printer.Canvas().Painter().drawRect(0, 0, 100, 100);
    Printer.NextPage();
    Printer.AbortJob();
    EXPECT_FALSE(Printer.Printing());
    EXPECT_FALSE(Printer.Aborted());
    EXPECT_EQ(Printer.PageNumber(), 0);
    EXPECT_EQ(ReadAll(file), QByteArray("previous contents"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"kept.pdf"})
        << "no temporary file is left";
}

TEST_F(PrintJob, AJobLeftOpenIsThrownAwayWithThePrinter) {
    const QString file = Path("open.pdf");
    {
        TZpPrinter printer;
        printer.SetOutputFileName(file);
        printer.StartJob();
        printer.Canvas().Painter().drawRect(0, 0, 100, 100);
    }
    EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PrintJob, AnUnwritableOutputNamesTheFile) {
    WriteFile(Path("plain"), "a file, not a folder");
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("folder")));
    for (const QString& target : {Path("missing/out.pdf"), Path("plain/out.pdf"), Path("folder")}) {
        Printer.SetOutputFileName(target);
        const QString message = MessageOf([&] { Printer.StartJob(); });
        EXPECT_TRUE(message.contains(target)) << message.toStdString();
        EXPECT_FALSE(Printer.Printing());
        EXPECT_FALSE(QFileInfo(target).isFile());
    }
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"plain"}) << "no temporary file is left";
}

TEST_F(PrintJob, ThePdfIsVectorWithTextAsText) {
    Printer.SetOutputFileName(Path("vector.pdf"));
    Printer.StartJob();
    QPainter& p = Printer.Canvas().Painter();
    p.fillRect(600, 600, 30, 600, Qt::black); // a bar
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(100);
    p.setFont(font);
    p.drawText(600, 1500, QStringLiteral("Zentaprint 12345"));
    Printer.EndJob();
    EXPECT_TRUE(RunTool("pdftotext", {Path("vector.pdf"), "-"}).contains("Zentaprint 12345"));
    const QStringList images =
        RunTool("pdfimages", {"-list", Path("vector.pdf")}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "only the two header lines, no images: "
                                << images.join('\n').toStdString();
}

TEST(QueueJob, AQueueThatRefusesTheJobIsNamedInTheError) {
    TZpQueueJob job(QStringLiteral("ZentaprintNoSuchQueue"),
                    QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}), 300, 1, false);
    ASSERT_TRUE(job.Open(QStringLiteral("refused")));
    {
        QPainter painter(&job.PaintDevice());
        painter.drawRect(0, 0, 100, 100);
    }
    EXPECT_FALSE(job.Finish());
    EXPECT_TRUE(job.LastError().contains(QLatin1String("\"ZentaprintNoSuchQueue\"")))
        << job.LastError().toStdString();
}

struct TOutputCase {
    const char* Name;
    bool Interactive;
    const char* Explicit;          // relative to the temporary folder, or null
    const char* LabelFile;         // relative, or null
    std::optional<QString> Answer; // the save dialog's answer (relative), none = cancelled
    const char* Expected;          // relative; null = the run is cancelled; "~" = the documents folder
};

class PdfOutputFile : public PrintJob, public ::testing::WithParamInterface<TOutputCase> {};

TEST_P(PdfOutputFile, FollowsTheCallerTheUserOrTheLabelFile) {
    const TOutputCase& c = GetParam();
    TZpScriptedDialogsGuard scripted;
    std::unique_ptr<IZpDialogs> previous;
    if (!c.Interactive)
        previous = SetZpDialogs(std::make_unique<TZpNonInteractiveDialogs>());
    else if (c.Answer)
        (*scripted).Queue(Path(*c.Answer));
    else
        (*scripted).Queue(TZpScriptedDialogs::TCancel{});
    Printer.SetOutputFileName(c.Explicit ? Path(c.Explicit) : QString());
    Printer.SetDocumentFileName(c.LabelFile ? Path(c.LabelFile) : QString());
    Printer.SetTitle(QStringLiteral("Shipping: box 1/2"));

    bool cancelled = false;
    try {
        Printer.StartJob();
        Printer.EndJob();
    } catch (const EZpAbort&) {
        cancelled = true;
    }
    if (previous)
        SetZpDialogs(std::move(previous));
    if (!c.Expected) {
        EXPECT_TRUE(cancelled);
        EXPECT_FALSE(Printer.Printing());
        EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
        return;
    }
    ASSERT_FALSE(cancelled);
    const QString expected = QString::fromLatin1(c.Expected) == QLatin1String("~")
                                 ? QDir(PersonalFolder()).filePath(QStringLiteral("Shipping_ box 1_2.pdf"))
                                 : Path(c.Expected);
    EXPECT_EQ(Printer.JobFileName(), expected);
    EXPECT_EQ(test::ReadPdfInfo(expected).Pages, 1);
    QFile::remove(expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PdfOutputFile,
    ::testing::Values(
        TOutputCase{"CallerNamesIt", true, "named.pdf", "label.zp3", std::nullopt, "named.pdf"},
        TOutputCase{"UserChooses", true, nullptr, "label.zp3", QStringLiteral("chosen.pdf"), "chosen.pdf"},
        TOutputCase{"UserCancels", true, nullptr, "label.zp3", std::nullopt, nullptr},
        TOutputCase{"BesideTheLabel", false, nullptr, "shelf.label.zp3", std::nullopt, "shelf.label.pdf"},
        TOutputCase{"FromTheTitle", false, nullptr, nullptr, std::nullopt, "~"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace zp
