// SPDX-License-Identifier: MIT
#include "model/picture/PictureLimits.h"

#include "base/Errors.h"

#include <QImageReader>

namespace zp {

QString PictureTooLargeMessage(const QString& subject, int64_t width, int64_t height) {
    return QStringLiteral("%1 is %2 x %3 pixels, too large to hold: a picture may have at "
                          "most %4 pixels a side and %5 million pixels in all.")
        .arg(subject)
        .arg(width)
        .arg(height)
        .arg(kMaxPictureSide)
        .arg(kMaxPicturePixels / 1000000);
}

void AllowPictureAllocations() {
    static const bool set = [] {
        // 32 bits a pixel, and a little for the reader's own use.
        QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024) + 16));
        return true;
    }();
    (void)set;
}

void CheckPictureSize(const QString& fileName, int64_t width, int64_t height) {
    if (!PictureSizeAllowed(width, height))
        throw EZpFileError(
            PictureTooLargeMessage(QStringLiteral("The picture in \"%1\"").arg(fileName), width, height));
}

} // namespace zp
