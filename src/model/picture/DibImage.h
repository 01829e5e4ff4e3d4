// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

namespace zp {

/// A device-independent bitmap as a bitmap file holds it after its 14-byte
/// file header: the information block (header and colour table) and the
/// pixel bits.
struct TZpDib {
    QByteArray Info;
    QByteArray Bits;
    int32_t Width = 0;
    int32_t Height = 0;

    [[nodiscard]] bool IsEmpty() const { return Info.isEmpty(); }
};

/// The bitmap of an image: 1 or 8 bits with a colour table for monochrome
/// and palette images, 32 bits with an alpha mask for images with
/// transparent parts, 24 bits otherwise. Rows run bottom-up.
[[nodiscard]] TZpDib DibFromImage(const QImage& image);

/// The image a bitmap shows; a null image when it does not decode.
[[nodiscard]] QImage ImageFromDib(const TZpDib& dib);

/// What the headers of a bitmap file say.
struct TZpBitmapFileInfo {
    bool Sound = false;    ///< the headers hang together
    bool Complete = false; ///< sound, and the bits cover every row (uncompressed bitmaps)
    int64_t Width = 0;
    int64_t Height = 0; ///< rows, whichever way they run
};

/// Checks a bitmap file's headers against its length, so that nothing
/// drawing it reads past the end.
[[nodiscard]] TZpBitmapFileInfo InspectBitmapFile(const QByteArray& file);

/// The information block and bits of a file that InspectBitmapFile found complete.
[[nodiscard]] TZpDib SplitBitmapFile(const QByteArray& file);

/// The whole bitmap file: file header, information block, bits.
[[nodiscard]] QByteArray DibToBitmapFile(const TZpDib& dib);

} // namespace zp
