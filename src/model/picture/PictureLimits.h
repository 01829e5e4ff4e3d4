// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace zp {

/// The largest picture held: a picture is kept twice (the stored bitmap and
/// the image that is drawn), so a bound on its pixels bounds its memory.
constexpr int64_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t(64) * 1000 * 1000;

/// Whether an image of this size may be held.
[[nodiscard]] constexpr bool PictureSizeAllowed(int64_t width, int64_t height) {
    return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

/// The refusal of an image too large to hold; subject says which picture
/// ("The picture in \"name\"").
[[nodiscard]] QString PictureTooLargeMessage(const QString& subject, int64_t width, int64_t height);

/// Lets Qt's image readers allocate what the largest picture allowed needs
/// (their own default limit is lower).
void AllowPictureAllocations();

/// Raises the refusal, as an EZpFileError naming the file, when the size is
/// beyond the limits.
void CheckPictureSize(const QString& fileName, int64_t width, int64_t height);

} // namespace zp
