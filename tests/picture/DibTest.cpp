// SPDX-License-Identifier: MIT
#include "model/picture/DibImage.h"
#include "model/picture/DibTransform.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace zp {
namespace {

// A 3 x 2 picture with six different pixels, in the image format under test.
QImage SixPixels(QImage::Format format) {
    QImage argb(3, 2, QImage::Format_ARGB32);
    const QRgb last = format == QImage::Format_ARGB32 ? qRgba(10, 20, 30, 128) : qRgb(10, 20, 30);
    const QRgb colours[] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),
                            qRgb(255, 255, 0), qRgb(0, 255, 255), last};
    for (int i = 0; i < 6; ++i)
        argb.setPixel(i % 3, i / 3, colours[i]);
    if (format == QImage::Format_Mono) {
        QImage mono(3, 2, QImage::Format_Mono);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        for (int i = 0; i < 6; ++i)
            mono.setPixel(i % 3, i / 3, i % 2);
        return mono;
    }
    if (format == QImage::Format_ARGB32)
        return argb;
    return argb.convertToFormat(QImage::Format_RGB32).convertToFormat(format, Qt::ThresholdDither);
}

uint16_t BitCount(const TZpDib& dib) {
    return qFromLittleEndian<uint16_t>(dib.Info.constData() + 14);
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

struct TDepthCase {
    const char* Name;
    QImage::Format Format;
    int BitCount;
};

const TDepthCase kDepths[] = {
    {"Mono", QImage::Format_Mono, 1},
    {"Palette", QImage::Format_Indexed8, 8},
    {"Opaque", QImage::Format_RGB32, 24},
    {"Transparent", QImage::Format_ARGB32, 32},
};

class DibDepthTest : public ::testing::TestWithParam<TDepthCase> {};

TEST_P(DibDepthTest, ImageComesBackFromItsBitmap) {
    const QImage image = SixPixels(GetParam().Format);
    const TZpDib dib = DibFromImage(image);
    EXPECT_EQ(BitCount(dib), GetParam().BitCount);
    EXPECT_EQ(dib.Width, 3);
    EXPECT_EQ(dib.Height, 2);
    EXPECT_TRUE(SamePixels(ImageFromDib(dib), image));
}

// Each turn moves every pixel where the turned picture has it, at every
// depth (pixels of one bit are moved as bit fields within bytes).
TEST_P(DibDepthTest, TurnsAndMirrorsMoveEveryPixel) {
    const QImage image = SixPixels(GetParam().Format);
    const TZpDib dib = DibFromImage(image);
    const struct {
        TZpDibTurn Turn;
        QTransform Expected;
    } turns[] = {
        {TZpDibTurn::Ccw90, QTransform().rotate(-90)},
        {TZpDibTurn::Half, QTransform().rotate(180)},
        {TZpDibTurn::Cw90, QTransform().rotate(90)},
        {TZpDibTurn::FlipVertical, QTransform().scale(1, -1)},
        {TZpDibTurn::FlipHorizontal, QTransform().scale(-1, 1)},
    };
    for (const auto& t : turns) {
        const TZpDib turned = TransformDib(dib, t.Turn);
        EXPECT_EQ(BitCount(turned), GetParam().BitCount);
        EXPECT_EQ(turned.Info.mid(40), dib.Info.mid(40)) << "colour table and masks stay";
        EXPECT_TRUE(SamePixels(ImageFromDib(turned), image.transformed(t.Expected))) << int(t.Turn);
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, DibDepthTest, ::testing::ValuesIn(kDepths),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DibTransformTest, TurningThereAndBackGivesTheSameBytes) {
    QImage wide(37, 5, QImage::Format_RGB32); // odd widths exercise the row padding
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x)
            wide.setPixel(x, y, qRgb(x * 6, y * 50, (x * y) % 256));
    const TZpDib dib = DibFromImage(wide);
    EXPECT_EQ(TransformDib(TransformDib(dib, TZpDibTurn::Ccw90), TZpDibTurn::Cw90).Bits, dib.Bits);
    EXPECT_EQ(TransformDib(TransformDib(dib, TZpDibTurn::Half), TZpDibTurn::Half).Bits, dib.Bits);
    const TZpDib turned = TransformDib(dib, TZpDibTurn::Ccw90);
    EXPECT_EQ(turned.Width, 5);
    EXPECT_EQ(turned.Height, 37);
    EXPECT_EQ(qFromLittleEndian<int32_t>(turned.Info.constData() + 4), 5);
    EXPECT_EQ(qFromLittleEndian<int32_t>(turned.Info.constData() + 8), 37);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(turned.Info.constData() + 20), 0u)
        << "image size left to the reader";
}

TEST(DibTransformTest, FourBitPixelsAndTopDownRowsTurnToo) {
    // 3 x 2, 4 bits, rows stored top-down (negative height): indexes 1 2 3 / 4 5 6.
    QByteArray info(40, '\0');
    qToLittleEndian<uint32_t>(40, info.data());
    qToLittleEndian<int32_t>(3, info.data() + 4);
    qToLittleEndian<int32_t>(-2, info.data() + 8);
    qToLittleEndian<uint16_t>(1, info.data() + 12);
    qToLittleEndian<uint16_t>(4, info.data() + 14);
    qToLittleEndian<uint32_t>(16, info.data() + 32);
    for (int i = 0; i < 16; ++i)
        info += QByteArray(1, char(i * 16)) + char(i * 16) + char(i * 16) + '\0';
    const TZpDib dib{info,
                     QByteArray::fromHex("12300000"
                                         "45600000"),
                     3, 2};
    // Turned counter-clockwise: 3 6 / 2 5 / 1 4, stored bottom-up.
    const TZpDib turned = TransformDib(dib, TZpDibTurn::Ccw90);
    EXPECT_EQ(turned.Bits.toHex(), QByteArray("14000000"
                                              "25000000"
                                              "36000000"));
}

TEST(DibTransformTest, CompressedBitmapIsUnpackedFirst) {
    // 2 x 1, 8 bits, run-length encoded: a run of two pixels of index 1.
    QByteArray info(40, '\0');
    qToLittleEndian<uint32_t>(40, info.data());
    qToLittleEndian<int32_t>(2, info.data() + 4);
    qToLittleEndian<int32_t>(1, info.data() + 8);
    qToLittleEndian<uint16_t>(1, info.data() + 12);
    qToLittleEndian<uint16_t>(8, info.data() + 14);
    qToLittleEndian<uint32_t>(1, info.data() + 16);
    qToLittleEndian<uint32_t>(2, info.data() + 32);
    info += QByteArray::fromHex("00000000"
                                "0000FF00");
    const TZpDib dib{info,
                     QByteArray::fromHex("0201"
                                         "0001"),
                     2, 1};
    const TZpDib turned = TransformDib(dib, TZpDibTurn::Ccw90);
    const QImage image = ImageFromDib(turned);
    ASSERT_EQ(image.size(), QSize(1, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
}

} // namespace
} // namespace zp
