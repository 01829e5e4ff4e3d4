// SPDX-License-Identifier: MIT
#include "model/objects/PictureObject.h"

#include "base/Errors.h"
#include "base/LabelMapping.h"
#include "model/ModelTestSupport.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::TLabelDpiGuard;

// A picture of width x height whose left half is red and right half blue,
// with a black top row, so that turns and mirrors show.
QImage Halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, y == 0 ? qRgb(0, 0, 0) : x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

class PictureObjectTest : public ::testing::Test {
protected:
    QString Save(const QImage& image, const QString& name) {
        const QString path = FDir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // The object drawn on a white screen-like canvas of the label's size.
    static QImage Render(TZpPictureObject& pic, int width, int height) {
        QImage canvas(width, height, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        pic.Draw(painter);
        return canvas;
    }
    QTemporaryDir FDir;
};

TEST_F(PictureObjectTest, LoadedPictureTakesTheImageProportions) {
    TLabelDpiGuard dpi(300);
    TZpPictureObject pic;
    pic.SetBounds({0, 0, 900, 100}); // three inches wide
    pic.LoadFromFile(Save(Halves(400, 200), QStringLiteral("wide.png")));
    EXPECT_EQ(pic.GetBounds(), (TRect{0, 0, 900, 450}));
    EXPECT_EQ(pic.GetAspectRect(), (TRect{0, 0, 400, 200}));
    EXPECT_EQ(pic.GetTrackRect(), (TRect{0, 0, 900, 100}));
    EXPECT_EQ(pic.ImageWidth(), 400);
    EXPECT_EQ(pic.ImageHeight(), 200);
}

// The old image is decoded away only once the new one is complete: a file
// that fails leaves the picture as it was, and the error names the file.
TEST_F(PictureObjectTest, FailedLoadKeepsTheOldImage) {
    TZpPictureObject pic;
    pic.LoadFromFile(Save(Halves(8, 4), QStringLiteral("good.png")));
    const QByteArray before = pic.ImageAsBitmapFile();
    const TRect bounds = pic.GetBounds();
    const QString bad = FDir.filePath(QStringLiteral("bad.jpg"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE0 this is not a JPEG");
    f.close();
    try {
        pic.LoadFromFile(bad);
        ADD_FAILURE() << "a damaged file loaded";
    } catch (const EZpError& e) {
        EXPECT_TRUE(e.Message().contains(bad)) << e.Message().toStdString();
    }
    EXPECT_EQ(pic.ImageAsBitmapFile(), before);
    EXPECT_EQ(pic.GetBounds(), bounds);
}

TEST_F(PictureObjectTest, QuarterTurnsSwapTheBounds) {
    TZpPictureObject pic;
    pic.LoadFromFile(Save(Halves(8, 4), QStringLiteral("p.png")));
    pic.SetBoundsExact({10, 10, 910, 460});
    pic.SetRotation(90);
    EXPECT_EQ(pic.GetBounds(), (TRect{10, 10, 460, 910}));
    EXPECT_EQ(pic.GetAspectRect(), (TRect{10, 10, 460, 910}));
    EXPECT_EQ(pic.ImageWidth(), 4);
    EXPECT_EQ(pic.ImageHeight(), 8);
    pic.SetRotation(270);
    EXPECT_EQ(pic.GetBounds(), (TRect{10, 10, 460, 910}));
    EXPECT_EQ(pic.GetRotation(), 270);
}

TEST_F(PictureObjectTest, TurningThereAndBackShowsTheSamePicture) {
    TZpPictureObject pic;
    pic.LoadFromFile(Save(Halves(8, 4), QStringLiteral("p.png")));
    pic.SetBoundsExact({10, 10, 90, 50});
    const QImage before = Render(pic, 100, 100);
    const QByteArray bits = pic.ImageBits();
    pic.SetRotation(90);
    // Counter-clockwise: the black top row is now the left column.
    EXPECT_EQ(pic.Image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pic.Image().pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(pic.Image().pixel(1, 7), qRgb(255, 0, 0));
    pic.SetRotation(0);
    EXPECT_EQ(pic.ImageBits(), bits);
    EXPECT_EQ(pic.GetBounds(), (TRect{10, 10, 90, 50}));
    EXPECT_EQ(Render(pic, 100, 100), before);
}

TEST_F(PictureObjectTest, FlipMirrorsTheImage) {
    TZpPictureObject pic;
    pic.AssignBitmap(Halves(8, 4));
    pic.Flip(false);
    EXPECT_EQ(pic.Image().pixel(0, 1), qRgb(0, 0, 255));
    pic.Flip(true);
    EXPECT_EQ(pic.Image().pixel(0, 3), qRgb(0, 0, 0));
    EXPECT_EQ(pic.Image().pixel(0, 0), qRgb(0, 0, 255));
}

TEST_F(PictureObjectTest, PictureWithoutImageShowsOnScreenButNeverPrints) {
    TZpPictureObject pic;
    pic.SetBoundsExact({10, 10, 60, 40});
    const QImage screen = Render(pic, 100, 100);
    int top = 0, left = 0, inside = 0;
    for (int x = 10; x < 60; ++x)
        top += screen.pixel(x, 10) == qRgb(0, 0, 0);
    for (int y = 10; y < 40; ++y)
        left += screen.pixel(10, y) == qRgb(0, 0, 0);
    for (int y = 12; y < 38; ++y)
        for (int x = 12; x < 58; ++x)
            inside += screen.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(top, 15) << "dashed top edge";
    EXPECT_LT(top, 50) << "dashed, not solid";
    EXPECT_GT(left, 10) << "dashed left edge";
    EXPECT_EQ(inside, 0) << "not filled";

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        pic.Draw(painter);
    }
    const QByteArray before = pdf;
    pdf.clear();
    buffer.seek(0);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
    }
    // Nothing drawn: the page is as empty as one nothing was drawn on.
    EXPECT_EQ(before.size(), pdf.size());
}

TEST_F(PictureObjectTest, UnstretchedShowsOneImagePixelPerScreenPixelCutByTheBounds) {
    TLabelDpiGuard dpi(ScreenPixelsPerInch() * 2);
    TZpPictureObject pic;
    pic.AssignBitmap(Halves(20, 20));
    pic.SetBoundsExact({0, 0, 30, 30});
    pic.SetStretch(false);
    const QImage cut = Render(pic, 60, 60);
    EXPECT_EQ(cut.pixel(5, 5), qRgb(255, 0, 0));      // image pixel (2, 2), two label pixels each
    EXPECT_EQ(cut.pixel(25, 5), qRgb(0, 0, 255));     // image pixel (12, 2)
    EXPECT_EQ(cut.pixel(35, 5), qRgb(255, 255, 255)); // beyond the bounds: cut off
    pic.SetStretch(true);
    const QImage stretched = Render(pic, 60, 60);
    EXPECT_EQ(stretched.pixel(25, 5), qRgb(0, 0, 255));
    EXPECT_EQ(stretched.pixel(35, 5), qRgb(255, 255, 255));
    EXPECT_EQ(stretched.pixel(14, 5), qRgb(255, 0, 0)); // the halves meet in the middle of the bounds
    EXPECT_EQ(stretched.pixel(16, 5), qRgb(0, 0, 255));
}

TEST_F(PictureObjectTest, AlternateTransferDrawsTheSamePictureInsideTheClip) {
    TZpPictureObject pic;
    QImage big(1100, 600, QImage::Format_RGB32); // more than one tile each way
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            big.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 40));
    pic.AssignBitmap(big);
    pic.SetBoundsExact({0, 0, 2200, 1200});
    const QImage plain = Render(pic, 2200, 1200);
    pic.SetAlternatePrint(true);
    EXPECT_EQ(Render(pic, 2200, 1200), plain);

    QImage clipped(2200, 1200, QImage::Format_RGB32);
    clipped.fill(Qt::white);
    QPainter painter(&clipped);
    painter.setClipRect(QRect(0, 0, 100, 100));
    pic.Draw(painter);
    painter.end();
    EXPECT_EQ(clipped.pixel(50, 50), plain.pixel(50, 50));
    EXPECT_EQ(clipped.pixel(150, 50), qRgb(255, 255, 255));
}

TEST_F(PictureObjectTest, DataAwarePictureFollowsItsFileNames) {
    TZpPictureObject pic;
    pic.Data().SetKind(dkDatabaseField);
    const QString red = Save(Halves(8, 4), QStringLiteral("a.png"));
    const QString tall = Save(Halves(4, 8), QStringLiteral("b.png"));
    pic.Data().SetText(red);
    pic.DataChanged();
    EXPECT_EQ(pic.ImageWidth(), 8);
    const qint64 shown = pic.Image().cacheKey();
    pic.DataChanged();
    EXPECT_EQ(pic.Image().cacheKey(), shown) << "the same file is not decoded again";
    for (const QString& unusable : {QString(), FDir.filePath(QStringLiteral("gone.png")), FDir.path()}) {
        pic.Data().SetText(unusable);
        pic.DataChanged();
        EXPECT_EQ(pic.ImageWidth(), 8) << unusable.toStdString();
    }
    pic.Data().SetText(tall);
    pic.DataChanged();
    EXPECT_EQ(pic.ImageWidth(), 4);
}

TEST_F(PictureObjectTest, DataAwarePictureKeepsItsTurn) {
    TZpPictureObject pic;
    pic.SetBoundsExact({0, 0, 100, 50});
    pic.SetRotation(90);
    pic.Data().SetText(Save(Halves(8, 4), QStringLiteral("a.png")));
    pic.DataChanged();
    EXPECT_EQ(pic.ImageWidth(), 4);
    EXPECT_EQ(pic.ImageHeight(), 8);
    EXPECT_EQ(pic.Image().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(PictureObjectTest, BeginEditLoadsTheChosenFile) {
    TZpScriptedDialogsGuard dialogs;
    TZpPictureObject pic;
    const QString path = Save(Halves(8, 4), QStringLiteral("a.png"));
    dialogs->Queue(TZpScriptedDialogs::TCancel{});
    pic.BeginEdit(nullptr, {});
    EXPECT_FALSE(pic.HasImage());
    dialogs->Queue(path);
    pic.BeginEdit(nullptr, {});
    EXPECT_EQ(pic.ImageWidth(), 8);
    ASSERT_EQ(dialogs->Questions().size(), 2u);
    EXPECT_EQ(dialogs->Questions()[0].Kind, QStringLiteral("open"));
}

TEST_F(PictureObjectTest, BitmapStreamReplacesTheImageOnlyWhenItIsOne) {
    TZpPictureObject source, pic;
    source.AssignBitmap(Halves(8, 4));
    QByteArray bitmap = source.ImageAsBitmapFile();
    QBuffer good(&bitmap);
    good.open(QIODevice::ReadOnly);
    pic.LoadImageFromStream(good);
    EXPECT_EQ(pic.ImageAsBitmapFile(), bitmap);
    EXPECT_EQ(pic.Image().pixel(7, 3), qRgb(0, 0, 255));

    QByteArray junk = "BM not really a bitmap at all, just words";
    QBuffer bad(&junk);
    bad.open(QIODevice::ReadOnly);
    EXPECT_THROW(pic.LoadImageFromStream(bad), EZpReadError);
    EXPECT_EQ(pic.ImageAsBitmapFile(), bitmap);
}

TEST_F(PictureObjectTest, StoredBitmapsBeyondTheLimitAreRefused) {
    QImage one(1, 1, QImage::Format_RGB32);
    TZpPictureObject pic;
    pic.AssignBitmap(one);
    QByteArray file = pic.ImageAsBitmapFile();
    file += QByteArray(30000 * 3, '\0');
    qToLittleEndian<int32_t>(30000, file.data() + 18);
    try {
        pic.SetImageFromBitmapFile(file);
        ADD_FAILURE() << "accepted";
    } catch (const EZpReadError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("30000 x 1"))) << e.Message().toStdString();
    }
    EXPECT_EQ(pic.ImageWidth(), 1);
}

// A run that prints the picture on every label hands the PDF the same
// image each time, so the file holds it once (or each tile once).
TEST_F(PictureObjectTest, RunOfLabelsEmbedsThePictureOnce) {
    TLabelDpiGuard dpi(300);
    QImage logo(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            logo.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x ^ y) % 256));
    const struct {
        const char* Name;
        bool Stretch, Alternate;
        int Images;
    } cases[] = {{"stretched", true, false, 1}, {"unstretched", false, false, 1}, {"tiles", true, true, 4}};
    for (const auto& c : cases) {
        TZpPictureObject pic;
        pic.AssignBitmap(logo);
        pic.SetBoundsExact({0, 0, 300, 300});
        pic.SetStretch(c.Stretch);
        pic.SetAlternatePrint(c.Alternate);
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(300);
            QPainter painter(&writer);
            for (int label = 0; label < 3000; ++label) {
                if (label > 0 && label % 30 == 0)
                    writer.newPage();
                ApplyLabelMapping(painter, QPointF((label % 3) * 900.0, (label % 30 / 3) * 300.0), 300);
                pic.Draw(painter);
            }
        }
        EXPECT_EQ(pdf.count("/Subtype /Image"), c.Images) << c.Name;
    }
}

TEST_F(PictureObjectTest, AnswersItsInterfaces) {
    TZpPictureObject pic;
    EXPECT_NE(Supports<IZpGraphic>(pic), nullptr);
    EXPECT_NE(Supports<IZpRotation>(pic), nullptr);
    EXPECT_NE(Supports<IZpEdit>(pic), nullptr);
    EXPECT_NE(Supports<IZpDataCallback>(pic), nullptr);
    EXPECT_NE(Supports<IZpPaint>(pic), nullptr);
    EXPECT_NE(Supports<IZpData>(pic), nullptr);
}

} // namespace
} // namespace zp
