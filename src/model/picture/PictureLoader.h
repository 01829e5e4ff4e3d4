// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zp {

/// Which decoder reads a picture file.
enum class TZpPictureDecoder { None, Qt, Svg, Magick };

struct TZpPictureFormat {
    TZpPictureDecoder Decoder = TZpPictureDecoder::None;
    /// Qt's format name or Magick's coder name; for None, a description of
    /// a known format that has no decoder here, or empty.
    QByteArray Name;
};

/// The format of a picture judged by its first bytes; the extension
/// (lower-case, without the dot) decides only for formats that carry no
/// signature of their own (Truevision, Dr. Halo, Alias/Wavefront).
[[nodiscard]] TZpPictureFormat SniffPictureFormat(const QByteArray& head, const QString& suffix);

/// Reads and decodes a picture file. svgWidth is the width in pixels a
/// drawing (SVG) is rasterised at; 0 takes the drawing's own size. Raises
/// EZpFileError naming the file and the reason: missing, a folder, empty,
/// unreadable, of an unknown format, damaged or truncated, or larger than
/// the picture limits.
[[nodiscard]] QImage LoadPictureFile(const QString& fileName, int svgWidth = 0);

/// The filter of the picture file dialog: the formats that decode here.
[[nodiscard]] QString PictureFileFilter();

} // namespace zp
