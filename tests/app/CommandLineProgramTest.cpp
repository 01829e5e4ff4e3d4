// SPDX-License-Identifier: MIT
// The command line of the real program, on the offscreen platform, with
// what it printed read back by pdfinfo.
#include "app/AppTestSupport.h"
#include "print/PdfInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace zp {
namespace {

struct TProgramCase {
    const char* name;
    QStringList before; ///< arguments before the label file
    QStringList after;  ///< arguments after it
    int exitCode;
    int pages; ///< of the PDF written; 0 for none
};

// One label to a sheet, so that every label is a page.
const TProgramCase kCases[] = {
    {"PrintWinsOverPreview", {}, {"-P", "-V"}, 0, 1},
    {"CountOfLabels", {}, {"-L3", "-P"}, 0, 3},
    {"CopiesCountWithinTheTotal", {}, {"-C3", "-L2", "-P"}, 0, 2},
    {"ValueThatDoesNotConvertIsIgnored", {}, {"-Cx", "-L2", "-P"}, 0, 2},
    {"LowerCaseSwitches", {}, {"-l2", "-p"}, 0, 2},
    {"SecondFileNameIsIgnored", {}, {"other.zp3", "-L2", "-P"}, 0, 2},
    {"DialogAloneOpensTheLabelOnly", {}, {"-D"}, 0, 0},
    {"DialogWithoutAPersonIsCancelled", {}, {"-D", "-P"}, 0, 0},
    {"PreviewWithoutADisplayPrintsNothing", {}, {"-V"}, 0, 0},
    {"SwitchBeforeTheFileIsNoFile", {"-P"}, {}, 1, 0},
    {"UnknownPrinterFails", {"--printer=No Such Queue"}, {"-P"}, 1, 0},
};

class CommandLineProgramTest : public ::testing::TestWithParam<TProgramCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        FLabel = FDir.filePath(QStringLiteral("one.zp3"));
        test::SaveOneLabelSheet(FLabel);
        FPdf = FDir.filePath(QStringLiteral("out.pdf"));
        ASSERT_TRUE(QDir().mkpath(TempFolder()));
    }

    int Run(const QStringList& arguments, QString* errors = nullptr) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), FDir.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        // As under cron: no runtime folder.
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), TempFolder());
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(FDir.path());
        program.start(QStringLiteral(ZP_EXECUTABLE), arguments + QStringList{QStringLiteral("-O=") + FPdf});
        EXPECT_TRUE(program.waitForFinished(60000));
        if (errors)
            *errors = QString::fromUtf8(program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    [[nodiscard]] QString TempFolder() const { return FDir.filePath(QStringLiteral("tmp")); }

    QTemporaryDir FDir;
    QString FLabel;
    QString FPdf;
};

TEST_P(CommandLineProgramTest, RunsTheJobTheSwitchesAskFor) {
    const TProgramCase& c = GetParam();
    QString errors;
    EXPECT_EQ(Run(c.before + QStringList{FLabel} + c.after, &errors), c.exitCode) << errors.toStdString();
    if (c.pages == 0) {
        EXPECT_FALSE(QFile::exists(FPdf));
    } else {
        const test::TPdfInfo pdf = test::ReadPdfInfo(FPdf);
        EXPECT_EQ(pdf.Pages, c.pages) << pdf.Error.toStdString() << errors.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLineProgramTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineProgramTest, OnlyUEquals1WritesTheLabelBack) {
    const QDateTime before = QFileInfo(FLabel).lastModified();
    QThread::msleep(1100); // file times have a resolution of a second on some file systems
    EXPECT_EQ(Run({FLabel, QStringLiteral("-U"), QStringLiteral("-P")}), 0);
    EXPECT_EQ(QFileInfo(FLabel).lastModified(), before);
    EXPECT_EQ(Run({FLabel, QStringLiteral("-u=1"), QStringLiteral("-P")}), 0);
    EXPECT_GT(QFileInfo(FLabel).lastModified(), before);
}

// A batch run without a runtime folder gets no warning about it and leaves
// no folder behind; a command line that cannot run is told in one line and
// where to read more.
TEST_F(CommandLineProgramTest, BatchOutputIsQuiet) {
    const struct {
        QStringList Arguments;
        QString Message;
    } cases[] = {
        {{QStringLiteral("missing.zp3"), QStringLiteral("-P")},
         QStringLiteral("\"missing.zp3\" is not a label file")},
        {{FLabel, QStringLiteral("--verify-dpi=10")},
         QStringLiteral("The switch --verify-dpi=10 needs a resolution from 50 to 4800 dpi.")},
    };
    for (const auto& c : cases) {
        QString errors;
        EXPECT_EQ(Run(c.Arguments, &errors), 1);
        EXPECT_EQ(errors.toStdString(),
                  QStringLiteral("zentaprint: %1\nTry 'zentaprint --help' for more information.\n")
                      .arg(c.Message)
                      .toStdString());
    }
    QString errors;
    EXPECT_EQ(Run({FLabel, QStringLiteral("-P")}, &errors), 0);
    EXPECT_FALSE(errors.contains(QStringLiteral("XDG_RUNTIME_DIR"))) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("Try '"))) << errors.toStdString();
    EXPECT_EQ(QDir(TempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(CommandLineProgramTest, ALabelThatDoesNotLoadEndsWithItsMessage) {
    QFile damaged(FLabel);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x02\x63");
    damaged.close();
    QString errors;
    EXPECT_EQ(Run({FLabel, QStringLiteral("-P")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("zentaprint: "))) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(FPdf));
}

} // namespace
} // namespace zp
