// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "base/Errors.h"
#include "print/PrintInfo.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

// Records what the processor asked for.
class TFakeHost : public IZpCommandLineHost {
public:
    TZpPrintInfo& PrintInfo() override { return Info; }
    void OpenLabel(const QString& fileName) override { Opened = fileName; }
    bool PrintDialog() override {
        Log += QLatin1String("dialog ");
        return DialogAnswer;
    }
    void Print() override { Log += QLatin1String("print "); }
    void Preview() override { Log += QLatin1String("preview "); }
    void ShowHelp(int context) override { Log += QStringLiteral("help%1 ").arg(context); }

    TZpPrintInfo Info;
    QString Opened;
    QString Log;
    bool DialogAnswer = true;
};

struct TCommandCase {
    const char* name;
    QStringList switches; ///< after the label file
    bool dialogAnswer;
    const char* log; ///< what was asked, in order
    TZpCommandLineOutcome outcome;
    int32_t copies, startLabel, totalLabels;
    bool updateSerials, allRecords;
};

const TCommandCase kCases[] = {
    {"PrintWinsOverPreview",
     {"-P", "-V"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"DialogAloneHasNoEffect", {"-D"}, true, "", TZpCommandLineOutcome::Interactive, 1, 1, 0, false, false},
    {"DialogCancelledEndsWithoutPreview",
     {"-D", "-V"},
     false,
     "dialog ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"DialogConfirmedPreviews",
     {"-V", "-D"},
     true,
     "dialog preview ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"CopiesStartAndCount",
     {"-C3", "-S5", "-L20", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     3,
     5,
     20,
     false,
     false},
    {"ValueThatDoesNotConvertIsIgnored",
     {"-Cx", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"ValueTooLargeIsIgnored",
     {"-C99999999999", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"NegativeValueIsTaken",
     {"-S-2", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     -2,
     0,
     false,
     false},
    {"LowerCase", {"-c2", "-p"}, true, "print ", TZpCommandLineOutcome::JobDone, 2, 1, 0, false, false},
    {"UAloneDoesNotUpdateSerials",
     {"-U", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"UEquals1UpdatesSerials",
     {"-u=1", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     true,
     false},
    {"AllRecords", {"-A", "-P"}, true, "print ", TZpCommandLineOutcome::JobDone, 1, 1, 0, false, true},
    {"ValueAfterASpaceIsIgnored",
     {"-C", "3", "-P"},
     true,
     "print ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"SecondFileNameIsIgnored",
     {"other.zp3", "-V"},
     true,
     "preview ",
     TZpCommandLineOutcome::JobDone,
     1,
     1,
     0,
     false,
     false},
    {"LoneDashIsIgnored", {"-", "-P"}, true, "print ", TZpCommandLineOutcome::JobDone, 1, 1, 0, false, false},
};

class CommandLineTest : public ::testing::TestWithParam<TCommandCase> {
protected:
    void SetUp() override {
        FLabel = FDir.filePath(QStringLiteral("label.zp3"));
        QFile f(FLabel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir FDir;
    QString FLabel;
};

TEST_P(CommandLineTest, SetsTheJobAndRunsIt) {
    const TCommandCase& c = GetParam();
    TFakeHost host;
    host.DialogAnswer = c.dialogAnswer;
    // What a previous run left is reset or kept as the command line says.
    host.Info.Copies = 7;
    host.Info.StartLabel = 9;
    host.Info.UpdateSerials = true;
    EXPECT_EQ(ProcessCommandLine(QStringList{FLabel} + c.switches, host), c.outcome);
    EXPECT_EQ(host.Opened, FLabel);
    EXPECT_EQ(host.Log, QLatin1String(c.log));
    EXPECT_EQ(host.Info.Copies, c.copies);
    EXPECT_EQ(host.Info.StartLabel, c.startLabel);
    EXPECT_EQ(host.Info.TotalLabels, c.totalLabels);
    EXPECT_EQ(host.Info.UpdateSerials, c.updateSerials);
    EXPECT_EQ(host.Info.AllRecords, c.allRecords);
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLineTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineStartTest, NoFileOpensHelpAndStaysInteractive) {
    for (const QStringList& parameters :
         {QStringList{QStringLiteral("-P"), QStringLiteral("label.zp3")},
          QStringList{QStringLiteral("/no/such/label.zp3"), QStringLiteral("-P")}}) {
        TFakeHost host;
        EXPECT_EQ(ProcessCommandLine(parameters, host), TZpCommandLineOutcome::Interactive);
        EXPECT_EQ(host.Log, QLatin1String("help29 "));
        EXPECT_TRUE(host.Opened.isEmpty());
        EXPECT_EQ(host.Info.Copies, 1);
    }
    TFakeHost host;
    EXPECT_EQ(ProcessCommandLine({}, host), TZpCommandLineOutcome::Interactive);
    EXPECT_TRUE(host.Log.isEmpty());
    EXPECT_EQ(host.Info.StartLabel, 1);
}

TEST(RunOptionsTest, AdditionsAreTakenOutInAnyPosition) {
    const TZpRunOptions o = ExtractRunOptions(
        {QStringLiteral("--printer=Office Laser"), QStringLiteral("label.zp3"), QStringLiteral("-P"),
         QStringLiteral("-O=out.pdf"), QStringLiteral("--answer=Lot number=L-7=B"),
         QStringLiteral("--answer=Empty="), QStringLiteral("-C2")});
    EXPECT_EQ(o.PrinterName, QLatin1String("Office Laser"));
    EXPECT_EQ(o.OutputFile, QLatin1String("out.pdf"));
    ASSERT_EQ(o.Answers.size(), 2);
    EXPECT_EQ(o.Answers[0].first, QLatin1String("Lot number"));
    EXPECT_EQ(o.Answers[0].second, QLatin1String("L-7=B"));
    EXPECT_EQ(o.Answers[1].second, QString());
    EXPECT_EQ(o.Classic,
              (QStringList{QStringLiteral("label.zp3"), QStringLiteral("-P"), QStringLiteral("-C2")}));
    EXPECT_TRUE(ExtractRunOptions({QStringLiteral("--help")}).Help);
    EXPECT_TRUE(ExtractRunOptions({QStringLiteral("--version")}).Version);
    for (const char* bad : {"--answer=NoValue", "--answer==x", "-O=", "--printer="})
        EXPECT_THROW((void)ExtractRunOptions({QLatin1String(bad)}), EZpError) << bad;
}

// --verify checks the job the classic switches describe; without a print or
// preview switch it checks what -P would print.
TEST(RunOptionsTest, VerifyTakesTheJobOfPrintOrPreview) {
    const QString label = QStringLiteral("label.zp3");
    struct {
        QStringList Arguments;
        QStringList Classic;
    } cases[] = {
        {{label, QStringLiteral("--verify"), QStringLiteral("-A")},
         {label, QStringLiteral("-A"), QStringLiteral("-P")}},
        {{label, QStringLiteral("-v"), QStringLiteral("--verify")}, {label, QStringLiteral("-v")}},
        {{QStringLiteral("--verify-report=r.csv"), label}, {label, QStringLiteral("-P")}},
    };
    for (const auto& c : cases) {
        const TZpRunOptions o = ExtractRunOptions(c.Arguments);
        EXPECT_TRUE(o.Verify);
        EXPECT_EQ(o.Classic, c.Classic) << c.Arguments.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_EQ(ExtractRunOptions({QStringLiteral("--verify-report=r.csv")}).VerifyReport,
              QLatin1String("r.csv"));
    EXPECT_EQ(ExtractRunOptions({QStringLiteral("--verify-dpi=203")}).VerifyDpi, 203);
    for (const char* bad : {"--verify-report=", "--verify-dpi=0", "--verify-dpi=4801", "--verify-dpi=2x"})
        EXPECT_THROW((void)ExtractRunOptions({QLatin1String(bad)}), EZpError) << bad;
}

} // namespace
} // namespace zp
