// SPDX-License-Identifier: MIT
#include "model/picture/PictureLoader.h"

#include "base/Errors.h"
#include "base/Rounding.h"
#include "model/picture/DibImage.h"
#include "model/picture/MagickDecoder.h"
#include "model/picture/PictureLimits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>

namespace zp {

namespace {

// A file larger than this is not read into memory at all.
constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;

[[noreturn]] void Fail(const QString& file, const QString& reason) {
    throw EZpFileError(QStringLiteral("The picture file \"%1\" could not be read: %2").arg(file, reason));
}

bool StartsWith(const QByteArray& b, const char* magic, int at = 0) {
    return b.mid(at).startsWith(magic);
}

uchar Byte(const QByteArray& b, int at) {
    return at < b.size() ? uchar(b[at]) : 0;
}

bool LooksLikeSvg(const QByteArray& head) {
    QByteArray text = head.left(4096);
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    text = text.trimmed();
    return (text.startsWith("<?xml") || text.startsWith("<svg") || text.startsWith("<!DOCTYPE svg") ||
            text.startsWith("<!--")) &&
           text.contains("<svg");
}

// Readers that return whatever part of the picture they got, without an
// error, when the file ends early: the end marker must be there.
bool Truncated(const QByteArray& bytes, const QByteArray& format) {
    if (format == "jpeg") {
        const qsizetype scan = bytes.lastIndexOf("\xFF\xDA");
        return scan < 0 || bytes.indexOf("\xFF\xD9", scan) < 0;
    }
    if (format == "png")
        return !bytes.contains("IEND");
    if (format == "gif")
        return bytes.lastIndexOf(char(0x3B)) < 0;
    return false;
}

// Qt's bitmap reader fills rows the file does not have; the headers are
// checked against the length first.
void CheckBitmap(const QByteArray& bytes, const QString& file) {
    const TZpBitmapFileInfo info = InspectBitmapFile(bytes);
    if (info.Sound)
        CheckPictureSize(file, info.Width, info.Height);
    if (!info.Complete)
        Fail(file, QStringLiteral("the bitmap's headers are damaged or its pixels end early"));
}

// Magick's coder for a format Qt reads only in part (Qt's Truevision reader
// takes no run-length encoded images).
const char* MagickFallback(const QByteArray& format) {
    return format == "tga" ? "TGA" : nullptr;
}

QImage DecodeWithQt(const QByteArray& bytes, const QByteArray& format, const QString& file) {
    AllowPictureAllocations();
    if (!QImageReader::supportedImageFormats().contains(format))
        Fail(file, QStringLiteral("there is no reader for %1 images on this system")
                       .arg(QString::fromLatin1(format)));
    if (Truncated(bytes, format))
        Fail(file, QStringLiteral("the file ends before the picture does"));
    if (format == "bmp")
        CheckBitmap(bytes, file);
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        CheckPictureSize(file, size.width(), size.height());
    QImage image;
    if (!reader.read(&image)) {
        const char* fallback = MagickFallback(format);
        if (fallback && TZpMagickDecoder::CanRead(QLatin1String(fallback)))
            return TZpMagickDecoder::Decode(bytes, QLatin1String(fallback), file);
        const QString why = reader.errorString();
        Fail(file, why.isEmpty() || why == QStringLiteral("Unknown error")
                       ? QStringLiteral("the picture is damaged")
                       : why);
    }
    CheckPictureSize(file, image.width(), image.height());
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        Fail(file, QStringLiteral("it holds no image"));
    return image;
}

QImage RenderSvg(const QByteArray& bytes, int width, const QString& file) {
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        Fail(file, QStringLiteral("it is not a valid SVG drawing"));
    QSizeF own = renderer.viewBoxF().size();
    if (own.isEmpty())
        own = renderer.defaultSize();
    if (own.isEmpty())
        Fail(file, QStringLiteral("the drawing has no size"));
    const double w = width > 0 ? width : own.width();
    const double h = w * own.height() / own.width();
    // Checked in floating point first: a drawing may claim any size.
    if (!(w <= double(kMaxPictureSide) && h <= double(kMaxPictureSide)))
        CheckPictureSize(file, int64_t(std::min(w, 1e12)), int64_t(std::min(h, 1e12)));
    const int iw = std::max(1, Round(w)), ih = std::max(1, Round(h));
    CheckPictureSize(file, iw, ih);
    QImage image(iw, ih, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        Fail(file, QStringLiteral("not enough memory"));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

struct TFilterEntry {
    const char* Caption;
    const char* Patterns;
    TZpPictureDecoder Decoder;
    const char* Name;
};

const TFilterEntry kFilterEntries[] = {
    {"Windows bitmaps", "*.bmp *.dib", TZpPictureDecoder::Qt, "bmp"},
    {"Icons", "*.ico *.cur", TZpPictureDecoder::Qt, "ico"},
    {"Windows metafiles", "*.wmf", TZpPictureDecoder::Magick, "WMF"},
    {"Enhanced metafiles", "*.emf", TZpPictureDecoder::Magick, "EMF"},
    {"JPEG images", "*.jpg *.jpeg *.jpe *.jfif", TZpPictureDecoder::Qt, "jpeg"},
    {"PNG images", "*.png", TZpPictureDecoder::Qt, "png"},
    {"GIF images", "*.gif", TZpPictureDecoder::Qt, "gif"},
    {"TIFF images", "*.tif *.tiff", TZpPictureDecoder::Qt, "tiff"},
    {"Truevision images", "*.tga *.vda *.icb *.vst", TZpPictureDecoder::Qt, "tga"},
    {"WebP images", "*.webp", TZpPictureDecoder::Qt, "webp"},
    {"ZSoft Paintbrush images", "*.pcx", TZpPictureDecoder::Magick, "PCX"},
    {"Photoshop images", "*.psd", TZpPictureDecoder::Magick, "PSD"},
    {"SGI images", "*.sgi *.rgb *.rgba *.bw", TZpPictureDecoder::Magick, "SGI"},
    {"Alias/Wavefront images", "*.pix *.als", TZpPictureDecoder::Magick, "PIX"},
    {"Kodak Photo-CD images", "*.pcd", TZpPictureDecoder::Magick, "PCD"},
    {"Dr. Halo images", "*.cut", TZpPictureDecoder::Magick, "CUT"},
    {"SVG drawings", "*.svg *.svgz", TZpPictureDecoder::Svg, "svg"},
};

bool Decodes(const TFilterEntry& e) {
    switch (e.Decoder) {
    case TZpPictureDecoder::Qt:
        return QImageReader::supportedImageFormats().contains(e.Name);
    case TZpPictureDecoder::Magick:
        return TZpMagickDecoder::CanRead(QString::fromLatin1(e.Name));
    case TZpPictureDecoder::Svg:
        return true;
    case TZpPictureDecoder::None:
        return false;
    }
    return false;
}

} // namespace

TZpPictureFormat SniffPictureFormat(const QByteArray& head, const QString& suffix) {
    using D = TZpPictureDecoder;
    if (StartsWith(head, "BM"))
        return {D::Qt, "bmp"};
    if (StartsWith(head, "\x89PNG\r\n\x1A\n"))
        return {D::Qt, "png"};
    if (StartsWith(head, "\xFF\xD8\xFF"))
        return {D::Qt, "jpeg"};
    if (StartsWith(head, "GIF87a") || StartsWith(head, "GIF89a"))
        return {D::Qt, "gif"};
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return {D::Qt, "tiff"};
    if (StartsWith(head, "RIFF") && StartsWith(head, "WEBP", 8))
        return {D::Qt, "webp"};
    // Icons and cursors: type 1 or 2 and at least one entry (a Truevision
    // header can start with the same four bytes, but then counts no entries).
    if ((head.startsWith(QByteArray("\0\0\1\0", 4)) || head.startsWith(QByteArray("\0\0\2\0", 4))) &&
        Byte(head, 5) == 0 && Byte(head, 4) > 0 && Byte(head, 9) == 0)
        return {D::Qt, "ico"};
    if (StartsWith(head, "8BPS"))
        return {D::Magick, "PSD"};
    if (Byte(head, 0) == 0x01 && Byte(head, 1) == 0xDA)
        return {D::Magick, "SGI"};
    if (Byte(head, 0) == 0x0A && Byte(head, 1) <= 5 && Byte(head, 2) <= 1 &&
        (Byte(head, 3) == 1 || Byte(head, 3) == 2 || Byte(head, 3) == 4 || Byte(head, 3) == 8))
        return {D::Magick, "PCX"};
    if (StartsWith(head, "\xD7\xCD\xC6\x9A"))
        return {D::Magick, "WMF"};
    if ((Byte(head, 0) == 1 || Byte(head, 0) == 2) && Byte(head, 1) == 0 && Byte(head, 2) == 9 &&
        Byte(head, 3) == 0 && (Byte(head, 5) == 1 || Byte(head, 5) == 3))
        return {D::Magick, "WMF"};
    if (Byte(head, 0) == 1 && Byte(head, 1) == 0 && StartsWith(head, " EMF", 40))
        return {D::Magick, "EMF"};
    if (StartsWith(head, "PCD_IPI", 2048) || StartsWith(head, "PCD_OPA"))
        return {D::Magick, "PCD"};
    if (LooksLikeSvg(head) || (StartsWith(head, "\x1F\x8B") && suffix == QStringLiteral("svgz")))
        return {D::Svg, "svg"};
    if (StartsWith(head, "Paint Shop Pro Image File"))
        return {D::None, "Paintshop Pro"};
    // Formats with no signature of their own.
    if (suffix == QStringLiteral("tga") || suffix == QStringLiteral("vda") ||
        suffix == QStringLiteral("icb") || suffix == QStringLiteral("vst"))
        return {D::Qt, "tga"};
    if (suffix == QStringLiteral("cut"))
        return {D::Magick, "CUT"};
    if (suffix == QStringLiteral("pix") || suffix == QStringLiteral("als"))
        return {D::Magick, "PIX"};
    return {};
}

QImage LoadPictureFile(const QString& fileName, int svgWidth) {
    const QFileInfo info(fileName);
    if (!info.exists())
        throw EZpFileError(QStringLiteral("The picture file \"%1\" does not exist.").arg(fileName));
    if (info.isDir())
        throw EZpFileError(QStringLiteral("\"%1\" is a folder, not a picture file.").arg(fileName));
    if (!info.isFile())
        throw EZpFileError(QStringLiteral("\"%1\" is not a picture file.").arg(fileName));
    if (info.size() > kMaxPictureFileBytes)
        Fail(fileName, QStringLiteral("the file is larger than %1 MiB").arg(kMaxPictureFileBytes >> 20));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EZpFileError(QStringLiteral("The picture file \"%1\" could not be opened: %2")
                               .arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(kMaxPictureFileBytes + 1);
    if (bytes.isEmpty())
        Fail(fileName, QStringLiteral("the file is empty"));

    const TZpPictureFormat format = SniffPictureFormat(bytes.left(4096), info.suffix().toLower());
    switch (format.Decoder) {
    case TZpPictureDecoder::Qt:
        return DecodeWithQt(bytes, format.Name, fileName);
    case TZpPictureDecoder::Svg:
        return RenderSvg(bytes, svgWidth, fileName);
    case TZpPictureDecoder::Magick:
        if (!TZpMagickDecoder::CanRead(QString::fromLatin1(format.Name)))
            Fail(fileName, QStringLiteral("there is no reader for %1 images on this system")
                               .arg(QString::fromLatin1(format.Name)));
        return TZpMagickDecoder::Decode(bytes, QString::fromLatin1(format.Name), fileName);
    case TZpPictureDecoder::None:
        break;
    }
    if (!format.Name.isEmpty())
        Fail(fileName, QStringLiteral("there is no reader for %1 images on this system")
                           .arg(QString::fromLatin1(format.Name)));
    Fail(fileName, QStringLiteral("it is not a picture in a format that can be read"));
}

QString PictureFileFilter() {
    QStringList filters, all;
    for (const TFilterEntry& e : kFilterEntries) {
        if (!Decodes(e))
            continue;
        filters << QStringLiteral("%1 (%2)").arg(QLatin1String(e.Caption), QLatin1String(e.Patterns));
        all << QLatin1String(e.Patterns);
    }
    filters.prepend(QStringLiteral("All pictures (%1)").arg(all.join(QLatin1Char(' '))));
    filters << QStringLiteral("All files (*)");
    return filters.join(QStringLiteral(";;"));
}

} // namespace zp
