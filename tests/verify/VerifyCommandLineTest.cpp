// SPDX-License-Identifier: MIT
// --verify as a user runs it: the report on standard output, the CSV file,
// the exit status, and nothing printed.
#include "VerifyFixture.h"
#include "files/LabelFile.h"
#include "model/layout/IDEProperties.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace zp {
namespace {

const QString kDemo = QStringLiteral(ZP_SAMPLE_DIR "/product-label.zp3");

class VerifyCommandLine : public test::VerifyFixture {
protected:
    /// Runs the program without a display; its exit status, output in Out and Errors.
    int Run(const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Dir.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("DISPLAY"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZP_EXECUTABLE), arguments);
        if (!program.waitForFinished(120000))
            return -1;
        Out = QString::fromUtf8(program.readAllStandardOutput());
        Errors = QString::fromUtf8(program.readAllStandardError());
        return program.exitCode();
    }

    /// A label file with one Code 128 symbol that runs past the label's right edge.
    QString SaveCutLabel() {
        AddBarcode(bcCode128, QStringLiteral("EDGE-0001"), 4, 800);
        const QString path = Dir.filePath(QStringLiteral("cut.zp3"));
        TZpIDEProperties ide;
        ide.SetDPIExact(LabelDPI());
        SaveLabelFile(path, Objects, ide, Layout);
        return path;
    }

    QTemporaryDir Dir;
    QString Out;
    QString Errors;
};

TEST_F(VerifyCommandLine, TheDemoPassesWithAReportAndACsvFile) {
    const QString csv = Dir.filePath(QStringLiteral("report.csv"));
    ASSERT_EQ(Run({kDemo, QStringLiteral("-A"), QStringLiteral("--verify-report=") + csv}), 0)
        << Errors.toStdString();
    EXPECT_TRUE(Out.startsWith(QStringLiteral("Scan check of \"product-label.zp3\" at 600 dpi, 6 labels\n")))
        << Out.toStdString();
    EXPECT_TRUE(Out.endsWith(QStringLiteral("6 symbols: 6 ok, 0 FAILED, 0 not checked\n")))
        << Out.toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("label,record,object,symbology,data,decoded,")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1,1,"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral(",600,ok,"))) << lines[6].toStdString();
}

TEST_F(VerifyCommandLine, AFailedSymbolExitsWithOneAndPrintsNothing) {
    const QString label = SaveCutLabel();
    EXPECT_EQ(Run({label, QStringLiteral("--verify"), QStringLiteral("--verify-dpi=203")}), 1);
    EXPECT_TRUE(Out.contains(QStringLiteral(" at 203 dpi, 1 labels\n"))) << Out.toStdString();
    EXPECT_TRUE(Out.contains(QStringLiteral(": FAILED (not read)\n"))) << Out.toStdString();
    // "-P" with --verify checks instead of printing: no PDF beside the label.
    EXPECT_EQ(Run({label, QStringLiteral("-P"), QStringLiteral("--verify")}), 1);
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("cut.pdf"))));
}

TEST_F(VerifyCommandLine, BadSwitchValuesAndAnUnwritableReportFail) {
    EXPECT_EQ(Run({QStringLiteral("--verify")}), 1);
    EXPECT_TRUE(Errors.contains(QStringLiteral("--verify needs a label file"))) << Errors.toStdString();
    EXPECT_EQ(Run({kDemo, QStringLiteral("--verify-dpi=20")}), 1);
    EXPECT_TRUE(Errors.contains(QStringLiteral("--verify-dpi=20 needs a resolution from 50 to 4800 dpi")))
        << Errors.toStdString();
    const QString unwritable = Dir.filePath(QStringLiteral("no/such/folder/report.csv"));
    EXPECT_EQ(Run({kDemo, QStringLiteral("-A"), QStringLiteral("--verify-report=") + unwritable}), 1);
    EXPECT_TRUE(Errors.contains(QStringLiteral("The report could not be written"))) << Errors.toStdString();
    // The report itself still reached standard output.
    EXPECT_TRUE(Out.contains(QStringLiteral("6 ok"))) << Out.toStdString();
}

} // namespace
} // namespace zp
