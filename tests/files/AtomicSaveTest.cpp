// SPDX-License-Identifier: MIT
#include "files/AtomicSave.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zp {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AtomicSaveTest, ReplacingKeepsPermissionsAndRemovesALeftOverTemporary) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.zp3"));
    SaveFileAtomically(path, "first");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    // What a save killed between its two renames leaves behind.
    QFile stale(TemporarySaveName(path));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("killed save");
    stale.close();

    SaveFileAtomically(path, "second");
    EXPECT_EQ(Contents(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("label.zp3")});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicSaveTest, SavingThroughALinkWritesItsTarget) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.zp3"));
    const QString link = dir.filePath(QStringLiteral("link.zp3"));
    SaveFileAtomically(target, "old");
    ASSERT_TRUE(QFile::link(target, link));
    SaveFileAtomically(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Contents(target), QByteArray("new"));
}

TEST(AtomicSaveTest, AMissingFolderIsReportedByName) {
    const QString path = QStringLiteral("/nonexistent-folder/label.zp3");
    try {
        SaveFileAtomically(path, "x");
        FAIL() << "saved into a missing folder";
    } catch (const EZpFileError& e) {
        EXPECT_TRUE(e.Message().contains(path)) << e.Message().toStdString();
    }
}

// A process killed at any moment of a save leaves the old contents or the
// new ones, never a mixture, and at most the one temporary name of ours.
TEST(AtomicSaveTest, KilledSavesLeaveOldOrNewContents) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.zp3"));
    const QByteArray a(200000, 'a');
    const QByteArray b(300000, 'b');
    SaveFileAtomically(path, a);
    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                try {
                    SaveFileAtomically(path, i % 2 ? a : b);
                } catch (...) {
                    ::_exit(2);
                }
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed on its own";
        const QByteArray now = Contents(path);
        ASSERT_TRUE(now == a || now == b) << "torn file of " << now.size() << " bytes";
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : left)
            ASSERT_TRUE(name == QLatin1String("label.zp3") || name == QLatin1String(".label.zp3.zp-save"))
                << name.toStdString();
    }
    SaveFileAtomically(path, a);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("label.zp3")});
}

} // namespace
} // namespace zp
