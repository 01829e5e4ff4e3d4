// SPDX-License-Identifier: MIT
// The preview run: its pages, what is drawn on them, and what it leaves alone.
#include "FakeBackend.h"
#include "RunFixture.h"
#include "barcode/BarcodeObject.h"
#include "base/Color.h"
#include "model/objects/TextObject.h"
#include "print/PreviewJob.h"

#include <QImage>

namespace zp::test {
namespace {

class PreviewRun : public RunFixture {
protected:
    TZpPreviewPages Build() { return BuildPreviewPages(Doc.Objects(), Doc.Layout(), Data(), Info); }

    // A page as the preview window shows it at 100 %.
    static QImage Render(const QPicture& page) {
        QImage image(page.boundingRect().size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        painter.drawPicture(0, 0, page);
        return image;
    }
    // A point in label pixels of the sheet (100 per inch) on the rendered page.
    static QPoint At(double x, double y) {
        const double scale = ScreenPixelsPerInch() / 100.0;
        return {int(x * scale), int(y * scale)};
    }
    // A line of one label pixel is a little under one screen pixel wide and
    // is blended a little.
    static bool Near(QColor c, QColor color) {
        return std::abs(c.red() - color.red()) < 40 && std::abs(c.green() - color.green()) < 40 &&
               std::abs(c.blue() - color.blue()) < 40;
    }
    // Whether the colour lies on the vertical line x between y0 and y1, give
    // or take two screen pixels.
    static bool OnColumn(const QImage& image, QColor color, int x, int y0, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int dx = -2; dx <= 2; ++dx)
                if (Near(image.pixelColor(x + dx, y), color))
                    return true;
        return false;
    }
    // The label corner of a sheet position, in label pixels from the page corner.
    static QPoint Corner(int column, int row) { return {50 + (column - 1) * 400, 50 + (row - 1) * 200}; }
};

TEST_F(PreviewRun, PagesHoldTheOutlinedLabelsAndThePrintableArea) {
    auto fake = std::make_unique<TFakeBackend>(TFakeBackend::WithQueues({"Margins"}));
    fake->Folder = Dir.path();
    ZpPrinter().SetBackend(std::move(fake)); // printable area from (25, 17) label pixels
    ZpPrinter().SetPrinterIndex(0);
    Info.TotalLabels = 15; // a full sheet and half of the next
    const TZpPreviewPages pages = Build();
    ASSERT_EQ(pages.size(), 2u);
    const QColor fill = ToQColor(clScrollBar);
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const QImage image = Render(pages[p]);
        EXPECT_EQ(image.size(), QSize(At(850, 1100).x(), At(850, 1100).y()));
        for (int position = 0; position < 10; ++position) {
            SCOPED_TRACE(position + 1);
            const QPoint corner = Corner(position % 2 + 1, position / 2 + 1);
            const bool used = p == 0 || position < 5;
            // The probe object in black, the rest of the label white, or the
            // page fill where the run placed no label.
            EXPECT_EQ(image.pixelColor(At(corner.x() + 35, corner.y() + 25)),
                      used ? QColor(Qt::black) : fill);
            EXPECT_EQ(image.pixelColor(At(corner.x() + 200, corner.y() + 150)),
                      used ? QColor(Qt::white) : fill);
            if (used) { // the outline: black on the label's left edge
                const QPoint edge = At(corner.x(), corner.y() + 100);
                EXPECT_TRUE(OnColumn(image, Qt::black, edge.x(), edge.y(), edge.y()));
            }
        }
        EXPECT_EQ(image.pixelColor(At(20, 20)), fill) << "the margin of the sheet";
        // The red dashed printable-area outline, on the half-filled page too.
        EXPECT_TRUE(OnColumn(image, Qt::red, At(25, 0).x(), At(0, 300).y(), At(0, 700).y()));
        EXPECT_TRUE(OnColumn(image, Qt::red, At(825, 0).x(), At(0, 300).y(), At(0, 700).y()));
    }
}

TEST_F(PreviewRun, APrinterWithoutMarginsGetsNoPrintableOutline) {
    Info.TotalLabels = 3;
    const TZpPreviewPages pages = Build();
    ASSERT_EQ(pages.size(), 1u);
    const QImage image = Render(pages.front());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_FALSE(Near(image.pixelColor(x, y), Qt::red)) << x << "," << y;
}

TEST_F(PreviewRun, SerialsStepButPromptsAndStartValuesStayAsTheyAre) {
    UseSerial(100);
    Info.TotalLabels = 3;
    Info.Copies = 1;
    Info.UpdateSerials = true;
    const TZpPreviewPages pages = Build();
    EXPECT_EQ(Serials(), (std::vector<int>{100, 101, 102}));
    EXPECT_EQ(Probe->Data.GetSerialStart(), 100);

    // A prompt shows its current text and asks nothing.
    Drawn.clear();
    Probe->Data.SetKind(dkPrompt);
    Probe->Data.SetPromptCaption(QStringLiteral("Lot?"));
    Probe->Data.SetText(QStringLiteral("L-7"));
    (void)Build();
    EXPECT_EQ(Texts(), QStringList({"L-7", "L-7", "L-7"}));
    EXPECT_TRUE(Dialogs->Messages().isEmpty());
    EXPECT_EQ(Probe->Data.GetText(), QStringLiteral("L-7"));
    for (const TZpScriptedDialogs::TQuestion& q : Dialogs->Questions())
        EXPECT_NE(q.Kind, QStringLiteral("prompt"));
}

TEST_F(PreviewRun, RecordModesSelectTheRecordsOfThePrintRun) {
    UseRecords({"A", "B", "C", "D"});
    BindName();
    Data().First();
    Data().Next();
    Data().SetMarked(true); // B
    Data().Next();
    Data().Next();
    Data().SetMarked(true); // D
    Info.MarkedOnly = true;
    Info.Copies = 2;
    const TZpPreviewPages pages = Build();
    EXPECT_EQ(pages.size(), 1u);
    EXPECT_EQ(Texts(), QStringList({"B", "B", "D", "D"}));

    // No marked record: no label and no page.
    Drawn.clear();
    for (Data().First(); !Data().AtEnd(); Data().Next())
        Data().SetMarked(false);
    EXPECT_TRUE(Build().empty());
    EXPECT_TRUE(Drawn.empty());
}

TEST_F(PreviewRun, TextAndBarsAreRecordedCompactly) {
    auto text = std::make_shared<TZpTextObject>();
    text->SetBoundsExact({10, 60, 340, 120});
    text->Font().SetName(QStringLiteral("Arial"));
    text->Font().SetSize(24);
    text->Data().SetText(QStringLiteral("Customer 12345"));
    text->Rebuild();
    Doc.Add(text);
    auto code = std::make_shared<TZpBarcodeObject>();
    code->Symbology = bcCode128;
    code->Density = 1;
    code->Height = 40;
    code->ShowHumanReadable = false;
    code->Data().SetText(QStringLiteral("100000000042"));
    code->SetBoundsExact({10, 130, 200, 170});
    Doc.Add(code);
    Info.TotalLabels = 10;
    const TZpPreviewPages pages = Build();
    ASSERT_EQ(pages.size(), 1u);
    // Glyph outlines would take some 20 KB a label, and bars each drawn with
    // their own pen and brush changes some 8 KB.
    EXPECT_LT(pages.front().size(), 10 * 8000);
    // Both are there: dark pixels in the text's box and in the symbol's box
    // of the first label.
    const QImage image = Render(pages.front());
    const auto dark = [&](QRect labelPixels) {
        int n = 0;
        const QPoint from = At(50 + labelPixels.left(), 50 + labelPixels.top());
        const QPoint to = At(50 + labelPixels.right(), 50 + labelPixels.bottom());
        for (int y = from.y(); y < to.y(); ++y)
            for (int x = from.x(); x < to.x(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(dark(QRect(10, 60, 330, 60)), 100);
    EXPECT_GT(dark(QRect(10, 130, 190, 40)), 300);
}

} // namespace
} // namespace zp::test
