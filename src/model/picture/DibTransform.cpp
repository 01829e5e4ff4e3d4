// SPDX-License-Identifier: MIT
#include "model/picture/DibTransform.h"

#include "base/Errors.h"

#include <QtEndian>
#include <cstring>

namespace zp {

namespace {

constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;

struct TLayout {
    int64_t Width = 0;
    int64_t Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    int64_t RowBytes = 0;
};

int64_t RowBytes(int64_t width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

// The layout of an uncompressed bitmap whose bits cover every row; none for
// anything else (compressed, damaged), which is unpacked through an image.
bool UncompressedLayout(const TZpDib& dib, TLayout& l) {
    const QByteArray& info = dib.Info;
    if (info.size() < kCoreHeaderSize)
        return false;
    const auto headerSize = qFromLittleEndian<uint32_t>(info.constData());
    if (headerSize == kCoreHeaderSize) {
        l.Width = qFromLittleEndian<uint16_t>(info.constData() + 4);
        l.Height = qFromLittleEndian<uint16_t>(info.constData() + 6);
        l.BitCount = qFromLittleEndian<uint16_t>(info.constData() + 10);
    } else {
        if (headerSize < kInfoHeaderSize || info.size() < kInfoHeaderSize)
            return false;
        l.Width = qFromLittleEndian<int32_t>(info.constData() + 4);
        const int64_t h = qFromLittleEndian<int32_t>(info.constData() + 8);
        l.TopDown = h < 0;
        l.Height = h < 0 ? -h : h;
        l.BitCount = qFromLittleEndian<uint16_t>(info.constData() + 14);
        const auto compression = qFromLittleEndian<uint32_t>(info.constData() + 16);
        if (compression != 0 && compression != 3)
            return false;
    }
    switch (l.BitCount) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    l.RowBytes = RowBytes(l.Width, l.BitCount);
    return l.Width > 0 && l.Height > 0 && l.RowBytes * l.Height <= dib.Bits.size();
}

// Rows are addressed from the top, whatever order the bitmap stores them in.
const uchar* SourceRow(const TZpDib& dib, const TLayout& l, int64_t y) {
    const int64_t stored = l.TopDown ? y : l.Height - 1 - y;
    return reinterpret_cast<const uchar*>(dib.Bits.constData()) + stored * l.RowBytes;
}

uint32_t FieldAt(const uchar* row, int64_t x, int bits) {
    const int64_t bit = x * bits;
    const int shift = 8 - bits - int(bit % 8); // most significant field first
    return (row[bit / 8] >> shift) & ((1u << bits) - 1);
}

void PutField(uchar* row, int64_t x, int bits, uint32_t v) {
    const int64_t bit = x * bits;
    const int shift = 8 - bits - int(bit % 8);
    const uint32_t mask = ((1u << bits) - 1) << shift;
    row[bit / 8] = uchar((row[bit / 8] & ~mask) | ((v << shift) & mask));
}

// Fills a bottom-up result of width x height; source(x, y) gives, for each
// result pixel counted from the top-left, the source pixel it takes.
template <class F>
QByteArray Remap(const TZpDib& dib, const TLayout& l, int64_t width, int64_t height, F source) {
    const int64_t rowBytes = RowBytes(width, l.BitCount);
    QByteArray bits(rowBytes * height, '\0');
    const int bytesPerPixel = l.BitCount / 8;
    for (int64_t y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<uchar*>(bits.data()) + (height - 1 - y) * rowBytes;
        for (int64_t x = 0; x < width; ++x) {
            const auto [sx, sy] = source(x, y);
            const uchar* in = SourceRow(dib, l, sy);
            if (bytesPerPixel > 0)
                std::memcpy(out + x * bytesPerPixel, in + sx * bytesPerPixel, size_t(bytesPerPixel));
            else
                PutField(out, x, l.BitCount, FieldAt(in, sx, l.BitCount));
        }
    }
    return bits;
}

struct TPixel {
    int64_t X, Y;
};

} // namespace

TZpDib TransformDib(const TZpDib& dib, TZpDibTurn turn) {
    if (dib.IsEmpty())
        return dib;
    TLayout l;
    if (!UncompressedLayout(dib, l)) {
        const QImage image = ImageFromDib(dib);
        if (image.isNull())
            throw EZpError(QStringLiteral("The picture's bitmap is damaged and cannot be turned."));
        return TransformDib(DibFromImage(image), turn);
    }
    const int64_t w = l.Width, h = l.Height;
    const bool sideways = turn == TZpDibTurn::Ccw90 || turn == TZpDibTurn::Cw90;
    const int64_t outW = sideways ? h : w, outH = sideways ? w : h;
    TZpDib out;
    switch (turn) {
    case TZpDibTurn::Ccw90:
        out.Bits = Remap(dib, l, outW, outH, [&](int64_t x, int64_t y) { return TPixel{w - 1 - y, x}; });
        break;
    case TZpDibTurn::Cw90:
        out.Bits = Remap(dib, l, outW, outH, [&](int64_t x, int64_t y) { return TPixel{y, h - 1 - x}; });
        break;
    case TZpDibTurn::Half:
        out.Bits = Remap(dib, l, outW, outH, [&](int64_t x, int64_t y) {
            return TPixel{w - 1 - x, h - 1 - y};
        });
        break;
    case TZpDibTurn::FlipVertical:
        out.Bits = Remap(dib, l, outW, outH, [&](int64_t x, int64_t y) { return TPixel{x, h - 1 - y}; });
        break;
    case TZpDibTurn::FlipHorizontal:
        out.Bits = Remap(dib, l, outW, outH, [&](int64_t x, int64_t y) { return TPixel{w - 1 - x, y}; });
        break;
    }
    // The same header and colour table; only the size changes, and the rows
    // now run bottom-up with no stated image size.
    out.Info = dib.Info;
    if (out.Info.size() == kCoreHeaderSize ||
        qFromLittleEndian<uint32_t>(out.Info.constData()) == kCoreHeaderSize) {
        qToLittleEndian<uint16_t>(uint16_t(outW), out.Info.data() + 4);
        qToLittleEndian<uint16_t>(uint16_t(outH), out.Info.data() + 6);
    } else {
        qToLittleEndian<int32_t>(int32_t(outW), out.Info.data() + 4);
        qToLittleEndian<int32_t>(int32_t(outH), out.Info.data() + 8);
        qToLittleEndian<uint32_t>(0, out.Info.data() + 20);
    }
    out.Width = int32_t(outW);
    out.Height = int32_t(outH);
    return out;
}

} // namespace zp
