// SPDX-License-Identifier: MIT
// Text on real devices: the faces fontconfig gives us, and one label drawn on
// a 96 dpi screen, a 203 dpi thermal printer and into a 600 dpi PDF with the
// same lines in the same places.
#include "base/LabelMapping.h"
#include "model/ModelTestSupport.h"
#include "model/objects/TextFonts.h"
#include "model/objects/TextObject.h"
#include "platform/printing/PdfJob.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

namespace zp {
namespace {

using test::TLabelDpiGuard;
using test::TLogCapture;

TEST(TextFontsTest, WindowsFacesResolveToMetricCompatibleFaces) {
    const std::pair<const char*, const char*> cases[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"Calibri", "Carlito"},
        {"Cambria", "Caladea"},
    };
    for (const auto& [face, family] : cases) {
        EXPECT_EQ(ResolveFace(QString::fromLatin1(face)), QString::fromLatin1(family)) << face;
        EXPECT_TRUE(IsFaceAvailable(QString::fromLatin1(face))) << face;
    }
}

TEST(TextFontsTest, AMissingFaceDrawsInTheSansFaceWithANote) {
    TLabelDpiGuard dpi(300);
    const QString missing = QStringLiteral("Qzx Not Installed Face");
    TLogCapture log("zentaprint.model.text.fonts");
    EXPECT_FALSE(IsFaceAvailable(missing));
    EXPECT_EQ(ResolveFace(missing), DefaultSansFamily());
    ASSERT_EQ(log.Messages().size(), 1);
    EXPECT_TRUE(log.Messages()[0].contains(missing)) << log.Messages()[0].toStdString();

    // The object that names it still draws its text.
    TZpTextObject text;
    text.SetBoundsExact({0, 0, 300, 100});
    Supports<IZpFont>(text)->SetName(missing);
    EXPECT_EQ(text.Font().GetName(), missing);
    QImage image(300, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ApplyLabelMapping(painter, {}, 96);
    text.Draw(painter);
    painter.end();
    EXPECT_NE(image, [&] {
        QImage blank(image.size(), image.format());
        blank.fill(Qt::white);
        return blank;
    }());
    EXPECT_EQ(log.Messages().size(), 1) << "noted once per face";
}

// One ink box per text line, in label pixels: the rows of dark pixels,
// separated by blank rows, and how far each reaches left and right. Text
// sits 2 device pixels off the object's corner, which is taken off here.
struct TLineInk {
    double Top, Bottom, Left, Right;
};

std::vector<TLineInk> LineInk(const QImage& image, double labelPerDevice) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [&](int x, int y) { return gray.constScanLine(y)[x] < 128; };
    std::vector<TLineInk> lines;
    int top = -1;
    for (int y = 0; y <= gray.height(); ++y) {
        bool ink = false;
        for (int x = 0; y < gray.height() && x < gray.width() && !ink; ++x)
            ink = dark(x, y);
        if (ink && top < 0)
            top = y;
        if (ink || top < 0)
            continue;
        int left = gray.width(), right = -1;
        for (int yy = top; yy < y; ++yy)
            for (int x = 0; x < gray.width(); ++x)
                if (dark(x, yy)) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        const auto label = [&](int device) { return (device - 2) * labelPerDevice; };
        lines.push_back({label(top), label(y), label(left), label(right)});
        top = -1;
    }
    return lines;
}

// Capitals and digits only, so that no descender joins two lines' ink.
const QString kProbeText =
    QStringLiteral("THE FAST BROWN FOX JUMPS OVER THE LAZY DOG 1234567890 TIMES AND THEN SOME MORE "
                   "WITH THE WORDS WRAPPED OVER SEVERAL LINES");

// The probe label: 3 x 1.5 inches at 300 label pixels per inch.
void MakeProbe(TZpTextObject& text) {
    text.SetBoundsExact({0, 0, 900, 450});
    text.Font().SetSize(14);
    text.Data().SetText(kProbeText);
    text.Rebuild();
}

QImage RasterAt(int deviceDpi) {
    TZpTextObject text;
    MakeProbe(text);
    QImage image(int(std::ceil(3.0 * deviceDpi)) + 4, int(std::ceil(1.5 * deviceDpi)) + 4,
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(deviceDpi / 0.0254));
    image.setDotsPerMeterY(qRound(deviceDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    ApplyLabelMapping(painter, {}, 300);
    text.Draw(painter);
    return image;
}

// The preview's way: the label recorded into a page picture, played back on a
// 96 dpi screen.
QImage PreviewAt96() {
    TZpTextObject text;
    MakeProbe(text);
    QPicture page;
    QPainter recorder(&page);
    ApplyLabelMapping(recorder, {}, 300);
    text.Draw(recorder);
    recorder.end();
    QImage image(3 * 96 + 4, 144 + 4, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(96.0 / page.logicalDpiX(), 96.0 / page.logicalDpiY());
    painter.drawPicture(0, 0, page);
    return image;
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class TextPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"pdftotext", "pdffonts", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_FAIL() << tool << " is missing: ./zp deps installs poppler-utils";
        ASSERT_TRUE(FDir.isValid());
        FPdf = FDir.filePath(QStringLiteral("text.pdf"));
        TZpPdfJob job(
            FPdf, QPageLayout(QPageSize(QSizeF(3.0, 1.5), QPageSize::Inch), QPageLayout::Portrait, {}), 600);
        ASSERT_TRUE(job.Open(QStringLiteral("text")));
        TZpTextObject text;
        MakeProbe(text);
        QPainter painter(&job.PaintDevice());
        ApplyLabelMapping(painter, {}, 300);
        text.Draw(painter);
        painter.end();
        ASSERT_TRUE(job.Finish()) << job.LastError().toStdString();
    }

    TLabelDpiGuard FDpi{300};
    QTemporaryDir FDir;
    QString FPdf;
};

TEST_F(TextPdfTest, TextStaysSelectableTextInEmbeddedFonts) {
    // Lines as the PDF holds them, words joined again.
    const QString text = RunTool(QStringLiteral("pdftotext"), {FPdf, QStringLiteral("-")}).simplified();
    EXPECT_EQ(text, kProbeText.simplified());
    const QStringList fonts =
        RunTool(QStringLiteral("pdffonts"), {FPdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& line : fonts) {
        EXPECT_TRUE(line.contains(QStringLiteral("Liberation"))) << line.toStdString();
        // Columns: name type encoding emb sub uni object id.
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 7);
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes"))
            << "not embedded: " << line.toStdString();
    }
}

// Layout happens once in label pixels, so the lines break at the same words
// and land in the same places on a screen, in the preview's page pictures, on
// a thermal printer and in a PDF;
// only the rasterising differs, by a device pixel or so.
TEST_F(TextPdfTest, LinesAndGlyphsLandAlikeOnEveryDevice) {
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"), QStringLiteral("-png"),
             FPdf, FDir.filePath(QStringLiteral("page"))});
    const QStringList pages = QDir(FDir.path()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(pages.size(), 1);
    const struct {
        const char* device;
        int dpi;
        QImage image;
    } devices[] = {
        {"PDF", 600, QImage(FDir.filePath(pages[0]))},
        {"screen", 96, RasterAt(96)},
        {"thermal", 203, RasterAt(203)},
        {"preview", 96, PreviewAt96()},
    };
    const std::vector<TLineInk> reference = LineInk(devices[0].image, 300.0 / 600);
    ASSERT_GE(reference.size(), 3u) << "the probe text should wrap to several lines";
    for (const auto& d : devices) {
        const std::vector<TLineInk> lines = LineInk(d.image, 300.0 / d.dpi);
        ASSERT_EQ(lines.size(), reference.size()) << d.device;
        // A device pixel and a half of this device and one of the reference.
        const double tolerance = 1.5 * 300.0 / d.dpi + 0.5;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_NEAR(lines[i].Top, reference[i].Top, tolerance) << d.device << " line " << i;
            EXPECT_NEAR(lines[i].Bottom, reference[i].Bottom, tolerance) << d.device << " line " << i;
            EXPECT_NEAR(lines[i].Left, reference[i].Left, tolerance) << d.device << " line " << i;
            // The right end sums every advance of the line.
            EXPECT_NEAR(lines[i].Right, reference[i].Right, tolerance) << d.device << " line " << i;
        }
    }
}

} // namespace
} // namespace zp
