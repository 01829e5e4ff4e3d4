// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace zp {

/// Decodes the picture formats Qt has no reader for (PCX, Photoshop, SGI,
/// Photo-CD, Dr. Halo, Windows metafiles, ...) through Magick++. The library
/// is initialised once, with resource limits that refuse images beyond the
/// picture limits instead of filling memory or disk.
class TZpMagickDecoder {
public:
    /// Whether the coder of that name (a Magick format name such as "PCX")
    /// is present and can read.
    [[nodiscard]] static bool CanRead(const QString& format);

    /// The first frame of the picture in bytes, decoded as format; source
    /// names the file in the messages. Raises EZpFileError naming source
    /// and the reason, or the size refusal for images too large to hold.
    [[nodiscard]] static QImage Decode(const QByteArray& bytes, const QString& format, const QString& source);
};

} // namespace zp
