// SPDX-License-Identifier: MIT
#include "model/picture/DibImage.h"

#include "model/picture/PictureLimits.h"

#include <QtEndian>
#include <cstring>

namespace zp {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kV4HeaderSize = 108;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kSrgbColorSpace = 0x73524742; // 'sRGB'
constexpr int32_t kPixelsPerMetreAt96Dpi = 3780;

void Put32(QByteArray& b, int at, uint32_t v) {
    qToLittleEndian<uint32_t>(v, b.data() + at);
}
void Put16(QByteArray& b, int at, uint16_t v) {
    qToLittleEndian<uint16_t>(v, b.data() + at);
}

int RowBytes(int width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

QByteArray InfoHeader(int headerSize, int width, int height, int bitCount, uint32_t compression,
                      int colorCount) {
    QByteArray h(headerSize, '\0');
    Put32(h, 0, uint32_t(headerSize));
    Put32(h, 4, uint32_t(width));
    Put32(h, 8, uint32_t(height));
    Put16(h, 12, 1);
    Put16(h, 14, uint16_t(bitCount));
    Put32(h, 16, compression);
    Put32(h, 20, uint32_t(RowBytes(width, bitCount)) * uint32_t(height));
    Put32(h, 24, kPixelsPerMetreAt96Dpi);
    Put32(h, 28, kPixelsPerMetreAt96Dpi);
    Put32(h, 32, uint32_t(colorCount));
    return h;
}

QByteArray ColorTable(const QList<QRgb>& colors) {
    QByteArray table(colors.size() * 4, '\0');
    for (int i = 0; i < colors.size(); ++i) {
        table[4 * i] = char(qBlue(colors[i]));
        table[4 * i + 1] = char(qGreen(colors[i]));
        table[4 * i + 2] = char(qRed(colors[i]));
    }
    return table;
}

// The rows of img bottom-up, each rowBytes long (the tail of each row zero).
QByteArray BottomUpRows(const QImage& img, int usedBytes, int rowBytes) {
    QByteArray bits(qsizetype(rowBytes) * img.height(), '\0');
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(bits.data() + qsizetype(img.height() - 1 - y) * rowBytes, img.constScanLine(y),
                    size_t(usedBytes));
    return bits;
}

bool IsOpaquePalette(const QImage& img) {
    for (QRgb c : img.colorTable())
        if (qAlpha(c) != 255)
            return false;
    return true;
}

bool HasTransparentPixels(const QImage& image) {
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return true;
    }
    return false;
}

} // namespace

TZpDib DibFromImage(const QImage& image) {
    TZpDib dib;
    if (image.isNull())
        return dib;
    const int w = image.width(), h = image.height();
    dib.Width = w;
    dib.Height = h;
    QImage img;
    if ((image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) &&
        IsOpaquePalette(image)) {
        img = image.convertToFormat(QImage::Format_Mono);
        dib.Info = InfoHeader(kInfoHeaderSize, w, h, 1, kBiRgb, int(img.colorCount())) +
                   ColorTable(img.colorTable());
        dib.Bits = BottomUpRows(img, (w + 7) / 8, RowBytes(w, 1));
    } else if ((image.format() == QImage::Format_Indexed8 && IsOpaquePalette(image)) ||
               image.format() == QImage::Format_Grayscale8) {
        img = image.convertToFormat(QImage::Format_Indexed8);
        dib.Info = InfoHeader(kInfoHeaderSize, w, h, 8, kBiRgb, int(img.colorCount())) +
                   ColorTable(img.colorTable());
        dib.Bits = BottomUpRows(img, w, RowBytes(w, 8));
    } else if (HasTransparentPixels(image)) {
        // Transparent parts stay transparent: 32 bits whose masks name the
        // alpha byte, which only the larger header can carry. In memory an
        // ARGB32 pixel is B, G, R, A, the bitmap's own order.
        QByteArray info = InfoHeader(kV4HeaderSize, w, h, 32, kBiBitfields, 0);
        Put32(info, 40, 0x00FF0000);
        Put32(info, 44, 0x0000FF00);
        Put32(info, 48, 0x000000FF);
        Put32(info, 52, 0xFF000000);
        Put32(info, 56, kSrgbColorSpace);
        dib.Info = info;
        img = image.convertToFormat(QImage::Format_ARGB32);
        dib.Bits = BottomUpRows(img, w * 4, w * 4);
    } else {
        img = image.convertToFormat(QImage::Format_BGR888);
        dib.Info = InfoHeader(kInfoHeaderSize, w, h, 24, kBiRgb, 0);
        dib.Bits = BottomUpRows(img, w * 3, RowBytes(w, 24));
    }
    return dib;
}

QByteArray DibToBitmapFile(const TZpDib& dib) {
    if (dib.IsEmpty())
        return {};
    QByteArray file(kFileHeaderSize, '\0');
    const auto offset = uint32_t(kFileHeaderSize + dib.Info.size());
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, uint32_t(offset + dib.Bits.size()));
    Put32(file, 10, offset);
    return file + dib.Info + dib.Bits;
}

TZpBitmapFileInfo InspectBitmapFile(const QByteArray& file) {
    constexpr int kCoreHeaderSize = 12;
    TZpBitmapFileInfo result;
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M')
        return result;
    const auto u32 = [&](int at) { return qFromLittleEndian<uint32_t>(file.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<uint16_t>(file.constData() + at); };
    const int64_t bitsOffset = u32(10);
    const int64_t headerSize = u32(kFileHeaderSize);
    if (headerSize < kCoreHeaderSize || bitsOffset < kFileHeaderSize + headerSize || bitsOffset > file.size())
        return result;
    int64_t width, height, bitCount, compression = 0;
    if (headerSize == kCoreHeaderSize) {
        width = u16(kFileHeaderSize + 4);
        height = u16(kFileHeaderSize + 6);
        bitCount = u16(kFileHeaderSize + 10);
    } else {
        if (headerSize < kInfoHeaderSize)
            return result;
        width = int32_t(u32(kFileHeaderSize + 4));
        height = int32_t(u32(kFileHeaderSize + 8));
        bitCount = u16(kFileHeaderSize + 14);
        compression = u32(kFileHeaderSize + 16);
    }
    // A top-down image has a negative height, but the lowest one has no positive counterpart.
    if (width < 0 || height < -INT32_MAX || bitCount == 0 || bitCount > 32)
        return result;
    result.Sound = true;
    result.Width = width;
    result.Height = height < 0 ? -height : height;
    const int64_t bitsSize = file.size() - bitsOffset;
    // Uncompressed rows are padded to whole 32-bit words.
    const bool uncompressed = compression == kBiRgb || compression == kBiBitfields;
    const int64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    result.Complete = !(uncompressed && result.Height != 0 && rowBytes > bitsSize / result.Height);
    return result;
}

TZpDib SplitBitmapFile(const QByteArray& file) {
    const TZpBitmapFileInfo info = InspectBitmapFile(file);
    if (!info.Complete)
        return {};
    const auto bitsOffset = qFromLittleEndian<uint32_t>(file.constData() + 10);
    return TZpDib{file.mid(kFileHeaderSize, bitsOffset - kFileHeaderSize), file.mid(bitsOffset),
                  int32_t(info.Width), int32_t(info.Height)};
}

QImage ImageFromDib(const TZpDib& dib) {
    if (dib.IsEmpty())
        return {};
    AllowPictureAllocations();
    QImage image = QImage::fromData(DibToBitmapFile(dib), "BMP");
    if (image.isNull() || image.width() != dib.Width || image.height() != dib.Height)
        return {};
    return image;
}

} // namespace zp
