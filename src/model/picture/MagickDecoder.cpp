// SPDX-License-Identifier: MIT
#include "model/picture/MagickDecoder.h"

#include "base/Errors.h"
#include "model/picture/PictureLimits.h"

#include <Magick++.h>
#include <QMutex>
#include <QMutexLocker>

namespace zp {

namespace {

// The pixel cache of the largest picture allowed (16-bit channels) with
// room for the decoder's working copy; the system's policy may lower it.
constexpr MagickCore::MagickSizeType kMagickMemory = MagickCore::MagickSizeType(kMaxPicturePixels) * 8 * 2;

QMutex& MagickLock() {
    static QMutex lock;
    return lock;
}

void EnsureMagick() {
    static const bool initialised = [] {
        Magick::InitializeMagick(nullptr);
        Magick::ResourceLimits::width(MagickCore::MagickSizeType(kMaxPictureSide));
        Magick::ResourceLimits::height(MagickCore::MagickSizeType(kMaxPictureSide));
        Magick::ResourceLimits::area(MagickCore::MagickSizeType(kMaxPicturePixels));
        Magick::ResourceLimits::memory(kMagickMemory);
        Magick::ResourceLimits::map(kMagickMemory);
        return true;
    }();
    (void)initialised;
}

QString Reason(const std::exception& e) {
    // Magick's texts read "coder: reason `file' @ error/where.c/Function/line";
    // the part after the reason is for developers.
    QString text = QString::fromLocal8Bit(e.what());
    const int at = text.indexOf(QStringLiteral(" @ "));
    if (at > 0)
        text.truncate(at);
    return text.trimmed();
}

[[noreturn]] void Fail(const QString& source, const QString& reason) {
    throw EZpFileError(QStringLiteral("The picture file \"%1\" could not be read: %2").arg(source, reason));
}

} // namespace

bool TZpMagickDecoder::CanRead(const QString& format) {
    QMutexLocker locker(&MagickLock());
    EnsureMagick();
    try {
        const Magick::CoderInfo info(format.toStdString());
        return info.isReadable();
    } catch (const std::exception&) {
        return false;
    }
}

QImage TZpMagickDecoder::Decode(const QByteArray& bytes, const QString& format, const QString& source) {
    QMutexLocker locker(&MagickLock());
    EnsureMagick();
    try {
        const Magick::Blob blob(bytes.constData(), size_t(bytes.size()));
        // The size first, from the header alone, so that a huge picture is
        // refused before any of it is decoded.
        Magick::Image header;
        header.quiet(true);
        header.magick(format.toStdString());
        header.subRange(1);
        header.ping(blob);
        CheckPictureSize(source, int64_t(header.columns()), int64_t(header.rows()));

        Magick::Image image;
        image.quiet(true);
        image.magick(format.toStdString());
        image.subRange(1);
        image.read(blob);
        const auto w = int64_t(image.columns()), h = int64_t(image.rows());
        CheckPictureSize(source, w, h);
        if (w == 0 || h == 0)
            Fail(source, QStringLiteral("it holds no image"));
        image.colorSpace(Magick::sRGBColorspace);
        QImage out(int(w), int(h), QImage::Format_ARGB32);
        if (out.isNull())
            Fail(source, QStringLiteral("not enough memory"));
        // In memory an ARGB32 pixel is B, G, R, A.
        image.write(0, 0, size_t(w), size_t(h), "BGRA", Magick::CharPixel, out.bits());
        return out;
    } catch (const EZpError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(source, Reason(e));
    }
}

} // namespace zp
