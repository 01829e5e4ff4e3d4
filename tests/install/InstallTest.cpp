// SPDX-License-Identifier: MIT
// The program as a system gets it: the tree `cmake --install` writes, the
// desktop validators on it, the MIME database built from it, and the Debian
// package with the installed program printing the sample label headless.
#include "platform/install/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace zp {
namespace {

struct TRun {
    int Code = -1;
    QString Output;
};

TRun RunTool(const QString& program, const QStringList& args, const QProcessEnvironment& env = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(program, args);
    TRun r;
    if (!process.waitForStarted() || !process.waitForFinished(10 * 60 * 1000))
        return r;
    r.Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.Output = QString::fromUtf8(process.readAll());
    return r;
}

QString Tool(const char* name) {
    return QStandardPaths::findExecutable(QLatin1String(name));
}

const char* const kId = "org.zentaprint.Zentaprint";

/// Every piece an install puts down, relative to the prefix.
QStringList InstalledPieces() {
    QStringList pieces{
        QStringLiteral("bin/zentaprint"),
        QStringLiteral("share/applications/%1.desktop").arg(QLatin1String(kId)),
        QStringLiteral("share/metainfo/%1.metainfo.xml").arg(QLatin1String(kId)),
        QStringLiteral("share/mime/packages/%1.xml").arg(QLatin1String(kId)),
        QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(QLatin1String(kId)),
        QStringLiteral("share/man/man1/zentaprint.1.gz"),
        QStringLiteral("share/doc/zentaprint/copyright"),
        QStringLiteral("share/doc/zentaprint/changelog.gz"),
        QStringLiteral("share/zentaprint/help/help-29.html"),
        QStringLiteral("share/zentaprint/sample/product-label.zp3"),
        QStringLiteral("share/zentaprint/sample/sample.db"),
        QStringLiteral("share/zentaprint/sample/csv/products.csv"),
    };
    for (const char* mime : {"application-x-zentaprint-label", "application-x-zentaprint-legacy-label"})
        pieces << QStringLiteral("share/icons/hicolor/scalable/mimetypes/%1.svg").arg(QLatin1String(mime));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("share/icons/hicolor/%1x%1/").arg(size);
        pieces << dir + QStringLiteral("apps/%1.png").arg(QLatin1String(kId));
        for (const char* mime : {"application-x-zentaprint-label", "application-x-zentaprint-legacy-label"})
            pieces << dir + QStringLiteral("mimetypes/%1.png").arg(QLatin1String(mime));
    }
    // The shipped stock catalogues are built from the stock list.
    for (const QString& ldb : QDir(QStringLiteral(ZP_BUILD_DIR "/share/zentaprint"))
                                  .entryList({QStringLiteral("*.ldb")}, QDir::Files))
        pieces << QStringLiteral("share/zentaprint/") + ldb;
    return pieces;
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(FDir->isValid());
        FInstall = RunTool(QStringLiteral(ZP_CMAKE_COMMAND),
                           {QStringLiteral("--install"), QStringLiteral(ZP_BUILD_DIR),
                            QStringLiteral("--prefix"), Prefix()});
    }
    static void TearDownTestSuite() { FDir.reset(); }
    static QString Prefix() { return FDir->filePath(QStringLiteral("usr")); }
    static QString Installed(const QString& relative) { return Prefix() + QLatin1Char('/') + relative; }

    static std::unique_ptr<QTemporaryDir> FDir;
    static TRun FInstall;
};

std::unique_ptr<QTemporaryDir> InstallTest::FDir;
TRun InstallTest::FInstall;

TEST_F(InstallTest, TheInstallTreeHoldsEveryPiece) {
    ASSERT_EQ(FInstall.Code, 0) << FInstall.Output.toStdString();
    const QStringList pieces = InstalledPieces();
    EXPECT_TRUE(pieces.join(QLatin1Char(' ')).contains(QStringLiteral(".ldb"))) << "no stock catalogue built";
    for (const QString& piece : pieces)
        EXPECT_TRUE(QFileInfo(Installed(piece)).isFile()) << piece.toStdString();
}

struct TValidatorCase {
    const char* Tool;
    const char* Argument; ///< before the file; may be empty
    const char* File;     ///< relative to the prefix
};

const TValidatorCase kValidators[] = {
    {"desktop-file-validate", "", "share/applications/org.zentaprint.Zentaprint.desktop"},
    {"appstreamcli", "validate --no-net", "share/metainfo/org.zentaprint.Zentaprint.metainfo.xml"},
    {"xmllint", "--noout", "share/mime/packages/org.zentaprint.Zentaprint.xml"},
    {"xmllint", "--noout", "share/icons/hicolor/scalable/apps/org.zentaprint.Zentaprint.svg"},
};

class ValidatorTest : public InstallTest, public ::testing::WithParamInterface<TValidatorCase> {};

TEST_P(ValidatorTest, AcceptsTheInstalledFile) {
    const TValidatorCase& c = GetParam();
    const QString tool = Tool(c.Tool);
    if (tool.isEmpty())
        GTEST_SKIP() << c.Tool << " is not installed (packages/install.txt)";
    ASSERT_EQ(FInstall.Code, 0) << FInstall.Output.toStdString();
    QStringList args = QString::fromLatin1(c.Argument).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    args << Installed(QLatin1String(c.File));
    const TRun r = RunTool(tool, args);
    EXPECT_EQ(r.Code, 0) << r.Output.toStdString();
    EXPECT_FALSE(r.Output.contains(QStringLiteral("error"), Qt::CaseInsensitive)) << r.Output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Validators, ValidatorTest, ::testing::ValuesIn(kValidators),
                         [](const ::testing::TestParamInfo<TValidatorCase>& info) {
                             std::string name = info.param.Tool;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + "_" + std::to_string(info.index);
                         });

TEST_F(InstallTest, RenamedLabelFilesAreKnownByTheirContent) {
    const QString update = Tool("update-mime-database");
    if (update.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed (packages/install.txt)";
    ASSERT_EQ(FInstall.Code, 0) << FInstall.Output.toStdString();
    // The user's data folder of the test run, where Qt looks for a MIME database.
    const QString mime = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/mime";
    ASSERT_TRUE(QDir().mkpath(mime + "/packages"));
    ASSERT_TRUE(QFile::copy(Installed(QStringLiteral("share/mime/packages/org.zentaprint.Zentaprint.xml")),
                            mime + "/packages/org.zentaprint.Zentaprint.xml"));
    const TRun r = RunTool(update, {mime});
    ASSERT_EQ(r.Code, 0) << r.Output.toStdString();
    EXPECT_TRUE(r.Output.trimmed().isEmpty()) << r.Output.toStdString();

    QTemporaryDir files;
    const QString label = files.filePath(QStringLiteral("label.bin"));
    ASSERT_TRUE(QFile::copy(Installed(QStringLiteral("share/zentaprint/sample/product-label.zp3")), label));
    const QString legacy = files.filePath(QStringLiteral("old.bin"));
    QFile old(legacy);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray("Zentaprint 2.0 DATA").leftJustified(256, '\0'));
    old.close();
    const QMimeDatabase db;
    EXPECT_EQ(db.mimeTypeForFile(label).name(), QStringLiteral("application/x-zentaprint-label"));
    EXPECT_EQ(db.mimeTypeForFile(legacy).name(), QStringLiteral("application/x-zentaprint-legacy-label"));
    EXPECT_EQ(
        db.mimeTypeForFile(files.filePath(QStringLiteral("new.lbl")), QMimeDatabase::MatchExtension).name(),
        QStringLiteral("application/x-zentaprint-legacy-label"));
}

TEST_F(InstallTest, TheProgramFindsItsDataBesideItselfFirst) {
    // The test program sits in the build tree like the program does.
    const QStringList candidates = SharedDataCandidates();
    ASSERT_FALSE(candidates.isEmpty());
    EXPECT_EQ(candidates.first(), QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                  QStringLiteral("/../share/zentaprint")));
    EXPECT_TRUE(candidates.contains(QStringLiteral("/usr/share/zentaprint")) ||
                !qEnvironmentVariableIsEmpty("XDG_DATA_DIRS"));
    EXPECT_EQ(SharedDataFolder(), QDir::cleanPath(QStringLiteral(ZP_BUILD_DIR "/share/zentaprint")));
}

TEST_F(InstallTest, ThePackageHoldsEveryPieceAndItsProgramPrintsTheSample) {
    for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"})
        if (Tool(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed (packages/install.txt)";
    QTemporaryDir work;
    const TRun pack =
        RunTool(QStringLiteral(ZP_CPACK_COMMAND),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(ZP_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), work.path()});
    ASSERT_EQ(pack.Code, 0) << pack.Output.toStdString();
    const QStringList debs = QDir(work.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << pack.Output.toStdString();
    const QString deb = work.filePath(debs.first());

    const TRun list = RunTool(Tool("dpkg-deb"), {QStringLiteral("-c"), deb});
    ASSERT_EQ(list.Code, 0) << list.Output.toStdString();
    for (const QString& piece : InstalledPieces())
        EXPECT_TRUE(list.Output.contains(QStringLiteral(" ./usr/") + piece + QLatin1Char('\n')))
            << piece.toStdString();
    const TRun fields = RunTool(Tool("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends"),
                                                   QStringLiteral("Recommends")});
    EXPECT_TRUE(fields.Output.contains(QStringLiteral("libqt6widgets6")))
        << "dpkg-shlibdeps gave no libraries";
    EXPECT_TRUE(fields.Output.contains(QStringLiteral("fonts-liberation")));
    EXPECT_TRUE(fields.Output.contains(QStringLiteral("Recommends: glabels-data")));

    if (const QString lintian = Tool("lintian"); !lintian.isEmpty()) {
        const TRun check =
            RunTool(lintian, {QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb});
        EXPECT_FALSE(check.Output.contains(
            QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)))
            << check.Output.toStdString();
    } else {
        std::printf("lintian is not installed (packages/install.txt): the package is not checked\n");
    }

    // The packaged program, unpacked into a scratch root, prints the sample
    // label with its database as a batch job: no display, its own XDG folders.
    const QString root = work.filePath(QStringLiteral("root"));
    ASSERT_EQ(RunTool(Tool("dpkg-deb"), {QStringLiteral("-x"), deb, root}).Code, 0);
    const QString pdf = work.filePath(QStringLiteral("labels.pdf"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QLatin1String(name), work.filePath(QLatin1String(name)));
    const TRun print = RunTool(root + QStringLiteral("/usr/bin/zentaprint"),
                               {root + QStringLiteral("/usr/share/zentaprint/sample/product-label.zp3"),
                                QStringLiteral("-P"), QStringLiteral("-A"), QStringLiteral("-O=") + pdf},
                               env);
    ASSERT_EQ(print.Code, 0) << print.Output.toStdString();
    ASSERT_TRUE(QFileInfo(pdf).size() > 0);
    if (const QString pdftotext = Tool("pdftotext"); !pdftotext.isEmpty()) {
        const TRun text = RunTool(pdftotext, {pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.Output.contains(QStringLiteral("Item P-100"))) << text.Output.toStdString();
    }
}

} // namespace
} // namespace zp
