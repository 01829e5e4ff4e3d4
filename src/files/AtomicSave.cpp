// SPDX-License-Identifier: MIT
#include "files/AtomicSave.h"

#include "base/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zp {

namespace {

[[noreturn]] void SaveFailed(const QString& fileName, const QString& why) {
    throw EZpFileError(QStringLiteral("Cannot save \"%1\": %2").arg(fileName, why));
}

[[noreturn]] void SaveFailedErrno(const QString& fileName, int error) {
    SaveFailed(fileName, QString::fromLocal8Bit(std::strerror(error)));
}

class TFd {
public:
    explicit TFd(int fd) : FFd(fd) {}
    ~TFd() {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    [[nodiscard]] int Get() const { return FFd; }

private:
    int FFd;
};

// For folders whose file system has no unnamed files.
void SaveThroughNamedTemporary(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        SaveFailed(fileName, file.errorString());
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

QString TemporarySaveName(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".zp-save"));
}

void SaveFileAtomically(const QString& fileName, const QByteArray& bytes) {
    // Saving through a symbolic link writes the file it points to.
    QFileInfo info(fileName);
    if (info.isSymLink() && info.exists())
        info = QFileInfo(info.canonicalFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    TFd fd(::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return SaveThroughNamedTemporary(fileName, bytes);
        SaveFailedErrno(fileName, errno);
    }
    // A replaced file keeps its permissions.
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing)
        (void)::fchmod(fd.Get(), old.st_mode & 07777);
    if (!WriteAll(fd.Get(), bytes) || ::fdatasync(fd.Get()) != 0)
        SaveFailedErrno(fileName, errno);

    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd.Get());
    if (!replacing) {
        if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0)
            return;
        if (errno != EEXIST)
            SaveFailedErrno(fileName, errno);
    }
    // No call both names an unnamed file and replaces another, so the new
    // contents pass through one fixed name of ours; what a killed save left
    // there is a complete copy that was never acknowledged, and goes now.
    const QByteArray temporary = QFile::encodeName(TemporarySaveName(info.absoluteFilePath()));
    (void)::unlink(temporary.constData());
    if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, temporary.constData(), AT_SYMLINK_FOLLOW) != 0)
        SaveFailedErrno(fileName, errno);
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        (void)::unlink(temporary.constData());
        SaveFailedErrno(fileName, error);
    }
}

} // namespace zp
