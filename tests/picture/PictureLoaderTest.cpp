// SPDX-License-Identifier: MIT
#include "model/picture/PictureLoader.h"

#include "base/Errors.h"
#include "model/picture/PictureLimits.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

// The fixtures are 16 x 16 pictures in four 8 x 8 quadrants: red top-left,
// green top-right, blue bottom-left and white bottom-right, so that a
// reader that turns or mirrors the picture is caught.
struct TFixture {
    const char* File;
    int Width, Height;
    bool Coloured; ///< false: a grey-level format, checked for light and dark only
};

const TFixture kFixtures[] = {
    {"quadrants.bmp", 16, 16, true},  {"quadrants.png", 16, 16, true}, {"quadrants.jpg", 16, 16, true},
    {"quadrants.gif", 16, 16, true},  {"quadrants.tif", 16, 16, true}, {"quadrants.tga", 16, 16, true},
    {"quadrants.webp", 16, 16, true}, {"quadrants.ico", 16, 16, true}, {"quadrants.pcx", 16, 16, true},
    {"quadrants.psd", 16, 16, true},  {"quadrants.sgi", 16, 16, true}, {"quadrants.wmf", 16, 16, false},
    {"quadrants.svg", 16, 16, true},  {"columns.cut", 16, 16, false},
};

QString Fixture(const char* name) {
    return test::TestDataPath(QStringLiteral("picture/") + QLatin1String(name));
}

bool Near(QRgb actual, QRgb expected) {
    return std::abs(qRed(actual) - qRed(expected)) < 48 && std::abs(qGreen(actual) - qGreen(expected)) < 48 &&
           std::abs(qBlue(actual) - qBlue(expected)) < 48;
}

// The message of the EZpError that f raises; empty when it raises none.
template <class F> QString ErrorOf(F f) {
    try {
        f();
    } catch (const EZpError& e) {
        return e.Message();
    }
    return {};
}

class PictureFixtureTest : public ::testing::TestWithParam<TFixture> {};

TEST_P(PictureFixtureTest, DecodesUprightAtItsSize) {
    const TFixture& f = GetParam();
    const QImage image = LoadPictureFile(Fixture(f.File), 16);
    ASSERT_EQ(image.size(), QSize(f.Width, f.Height)) << f.File;
    const QRgb topLeft = image.pixel(3, 3), topRight = image.pixel(12, 3);
    const QRgb bottomLeft = image.pixel(3, 12), bottomRight = image.pixel(12, 12);
    if (f.Coloured) {
        EXPECT_TRUE(Near(topLeft, qRgb(255, 0, 0))) << f.File << " " << std::hex << topLeft;
        EXPECT_TRUE(Near(topRight, qRgb(0, 255, 0))) << f.File << " " << std::hex << topRight;
        EXPECT_TRUE(Near(bottomLeft, qRgb(0, 0, 255))) << f.File << " " << std::hex << bottomLeft;
        EXPECT_TRUE(Near(bottomRight, qRgb(255, 255, 255))) << f.File << " " << std::hex << bottomRight;
    } else {
        // Not one flat colour: the picture's parts came through.
        EXPECT_NE(qGray(topLeft), qGray(bottomRight)) << f.File;
    }
}

TEST_P(PictureFixtureTest, TruncatedFileIsAnErrorNamingIt) {
    const TFixture& f = GetParam();
    QFile source(Fixture(f.File));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    QTemporaryDir dir;
    const QString cut = dir.filePath(QLatin1String(f.File));
    QFile out(cut);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() / 2));
    out.close();
    const QString message = ErrorOf([&] { (void)LoadPictureFile(cut); });
    EXPECT_TRUE(message.contains(cut)) << f.File << ": " << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFixtureTest, ::testing::ValuesIn(kFixtures), [](const auto& info) {
    return QString::fromLatin1(info.param.File).replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
});

class PictureFileTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = FDir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir FDir;
};

QByteArray BigEndian32(uint32_t v) {
    return QByteArray(1, char(v >> 24)) + char(v >> 16) + char(v >> 8) + char(v);
}

uint32_t Crc32(const QByteArray& bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

// A PNG whose sound header claims the given size, with no pixel data.
QByteArray PngClaiming(uint32_t width, uint32_t height) {
    const QByteArray ihdr = "IHDR" + BigEndian32(width) + BigEndian32(height) + test::Hex("08 02 00 00 00");
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + BigEndian32(13) + ihdr + BigEndian32(Crc32(ihdr)) +
           BigEndian32(0) + "IDAT" + BigEndian32(Crc32("IDAT")) + BigEndian32(0) + "IEND" +
           BigEndian32(Crc32("IEND"));
}

// A bitmap file header and information header for width x height in 24
// bits, followed by the given number of bytes of pixel bits.
QByteArray BitmapClaiming(int32_t width, int32_t height, int bitsBytes) {
    QByteArray bmp = test::Hex("42 4D 00 00 00 00 00 00 00 00 36 00 00 00 28 00 00 00");
    bmp += QByteArray(reinterpret_cast<const char*>(&width), 4) +
           QByteArray(reinterpret_cast<const char*>(&height), 4);
    bmp += test::Hex("01 00 18 00") + QByteArray(24, '\0') + QByteArray(bitsBytes, '\x7F');
    return bmp;
}

TEST_F(PictureFileTest, BadInputEndsInAMessageNamingTheFile) {
    const struct {
        const char* Case;
        QString Path;
        const char* Says;
    } cases[] = {
        {"missing", FDir.filePath(QStringLiteral("none.png")), "does not exist"},
        {"folder", FDir.path(), "is a folder"},
        {"empty", Write(QStringLiteral("empty.png"), {}), "empty"},
        {"text", Write(QStringLiteral("notes.png"), "just some words\n"), "not a picture"},
        {"corrupt png",
         Write(QStringLiteral("bad.png"), QByteArray("\x89PNG\r\n\x1A\n", 8) + QByteArray(200, 'x')),
         "could not be read"},
        {"lying bitmap", Write(QStringLiteral("lies.bmp"), BitmapClaiming(100, 100, 12)), "end early"},
        {"huge png", Write(QStringLiteral("huge.png"), PngClaiming(30000, 30000)), "30000 x 30000"},
        {"huge bitmap", Write(QStringLiteral("huge.bmp"), BitmapClaiming(30000, 30000, 12)), "30000 x 30000"},
        {"no reader", Write(QStringLiteral("x.psp"), "Paint Shop Pro Image File\n\x1A"), "no reader"},
    };
    for (const auto& c : cases) {
        const QString message = ErrorOf([&] { (void)LoadPictureFile(c.Path); });
        EXPECT_TRUE(message.contains(c.Path)) << c.Case << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(c.Says))) << c.Case << ": " << message.toStdString();
    }
}

TEST_F(PictureFileTest, HugePictureStatesTheLimit) {
    const QString path = Write(QStringLiteral("huge.png"), PngClaiming(30000, 30000));
    const QString message = ErrorOf([&] { (void)LoadPictureFile(path); });
    EXPECT_TRUE(message.contains(QString::number(kMaxPictureSide))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("64 million pixels"))) << message.toStdString();
}

TEST_F(PictureFileTest, ContentDecidesOverTheExtension) {
    QFile png(Fixture("quadrants.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QString path = Write(QStringLiteral("misnamed.jpg"), png.readAll());
    EXPECT_EQ(LoadPictureFile(path).size(), QSize(16, 16));
}

TEST(PictureFormatTest, SvgIsDrawnAtTheAskedWidthInItsProportions) {
    const QImage image = LoadPictureFile(Fixture("quadrants.svg"), 300);
    EXPECT_EQ(image.size(), QSize(300, 300));
    EXPECT_TRUE(Near(image.pixel(290, 10), qRgb(0, 255, 0)));
}

TEST(PictureFormatTest, FilterOffersWhatDecodes) {
    const QString filter = PictureFileFilter();
    for (const char* pattern : {"*.bmp", "*.png", "*.jpg", "*.tif", "*.tga", "*.webp", "*.pcx", "*.psd",
                                "*.sgi", "*.wmf", "*.cut", "*.svg"})
        EXPECT_TRUE(filter.contains(QLatin1String(pattern))) << pattern;
    EXPECT_TRUE(filter.startsWith(QStringLiteral("All pictures (")));
    EXPECT_TRUE(filter.endsWith(QStringLiteral("All files (*)")));
}

} // namespace
} // namespace zp
