// SPDX-License-Identifier: MIT
// Formatting of text: line breaking, the leading corrections, rotated and
// clipped drawing, and text that no label should hold.
#include "base/LabelMapping.h"
#include "model/ModelTestSupport.h"
#include "model/objects/TextObject.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

namespace zp {
namespace {

using test::TLabelDpiGuard;

// Every character one unit wide.
std::vector<QString> Lines(const QString& text, double width) {
    const std::vector<qsizetype> starts =
        BreakLines(text, width, [](qsizetype a, qsizetype b) { return double(b - a); });
    std::vector<QString> lines;
    qsizetype from = 0;
    for (qsizetype s : starts) {
        lines.push_back(text.mid(from, s - from));
        from = s;
    }
    lines.push_back(text.mid(from));
    return lines;
}

struct BreakCase {
    const char* name;
    const char* text;
    double width;
    std::vector<QString> lines;
};

const BreakCase kBreaks[] = {
    {"Fits", "ab cd", 5, {"ab cd"}},
    {"SpaceHangsPastTheWidth", "abc def", 3, {"abc ", "def"}},
    {"AfterEachDelimiter",
     "a.b;c,d:e(f)g{h}i\"j/k\\l",
     2,
     {"a.", "b;", "c,", "d:", "e(", "f)", "g{", "h}", "i\"", "j/", "k\\", "l"}},
    // A hyphen is no delimiter: the word is broken between characters.
    {"HyphenIsNoBreak", "ab-cd", 3, {"ab-", "cd"}},
    {"LongWordByCharacters", "abcdefg hi", 3, {"abc", "def", "g ", "hi"}},
    {"ZeroWidthOneCharacterPerLine", "ab", 0, {"a", "b"}},
    {"SurrogatePairKeptWhole",
     "\xF0\x9F\x98\x80\xF0\x9F\x98\x80",
     1,
     {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}},
    {"CombiningMarkStaysWithItsLetter",
     "e\xCC\x81"
     "e\xCC\x81",
     1,
     {"e\xCC\x81", "e\xCC\x81"}},
    {"Empty", "", 10, {""}},
};

class BreakLinesTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakLinesTest, BreaksAtTheDelimiters) {
    const BreakCase& c = GetParam();
    EXPECT_EQ(Lines(QString::fromUtf8(c.text), c.width), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Text, BreakLinesTest, ::testing::ValuesIn(kBreaks),
                         [](const auto& info) { return std::string(info.param.name); });

// Three lines of one font at 300 dpi: the item tops without, and with, a correction.
std::vector<int32_t> Tops(bool skip, bool custom, int32_t leading,
                          std::vector<TZpTextItem>* items = nullptr) {
    TZpTextObject text;
    TZpRVData& doc = text.RVData();
    doc.Clear();
    doc.AddText(QStringLiteral("one\ntwo\nthree"), 0, 0);
    doc.SkipFirstLeading = skip;
    doc.CustomLeading = custom;
    doc.CustomLeadingSize = leading;
    doc.Layout().Format(doc, 1000, 1000, 300);
    std::vector<int32_t> tops;
    for (const TZpTextItem& item : doc.Layout().Items())
        tops.push_back(item.Top);
    if (items)
        *items = doc.Layout().Items();
    return tops;
}

TEST(TextLeadingTest, CorrectionsMoveLinesByTheirOwnMetrics) {
    std::vector<TZpTextItem> items;
    const std::vector<int32_t> plain = Tops(false, false, 100, &items);
    ASSERT_EQ(plain.size(), 3u);
    const TZpTextItem& f = items[0];
    EXPECT_GT(f.InternalLeading, 0);
    EXPECT_EQ(plain[0], 0);
    EXPECT_EQ(plain[1], f.Ascent + f.Descent);
    EXPECT_TRUE(items[0].StartsLine && items[1].StartsLine && items[2].StartsLine);
    EXPECT_EQ(items[2].Line, 3);

    // The first line's leading removed: everything moves up by it, plus one.
    const int32_t m = f.InternalLeading + 1;
    EXPECT_EQ(Tops(true, false, 100), (std::vector<int32_t>{-m, plain[1] - m, plain[2] - m}));

    // Custom leading 25: the custom term is 0, each line moves up by its metrics.
    const int32_t up = f.InternalLeading + f.ExternalLeading + f.Ascent;
    EXPECT_EQ(Tops(false, true, 25), (std::vector<int32_t>{0, plain[1] - up, plain[2] - 2 * up}));

    // 100 tenths at 300 dpi is round(75 / 720 * 300) = 31 pixels per line.
    const int32_t step = 31 - up;
    EXPECT_EQ(Tops(true, true, 100),
              (std::vector<int32_t>{-m, plain[1] - m + step, plain[2] - m + 2 * step}));
}

// The editor's caret geometry: asking for it leaves what is drawn exactly as
// it was, and every line knows where its characters are.
TEST(TextLayoutTest, CaretGeometryMatchesTheDrawnLines) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    TZpRVData& doc = text.RVData();
    doc.SetTextStyles({text.FontStyle(), TZpTextStyle{0, QStringLiteral("Arial"), 20, 0, fsBold}});
    doc.SetParagraphs(
        {TZpParagraph{taCenter,
                      {TZpRun{QStringLiteral("Hello big "), 0}, TZpRun{QStringLiteral("bold"), 1},
                       TZpRun{QStringLiteral(" world, wrapped twice over"), 0}}},
         TZpParagraph{taLeft, {}}, TZpParagraph{taJustify, {TZpRun{QStringLiteral("last words here"), 0}}}});
    doc.Layout().Format(doc, 300, INT32_MAX, 300);
    const std::vector<TZpTextItem> plain = doc.Layout().Items();
    EXPECT_TRUE(doc.Layout().Lines().empty());
    doc.Layout().Format(doc, 300, INT32_MAX, 300, true);
    const std::vector<TZpTextItem>& items = doc.Layout().Items();
    ASSERT_EQ(items.size(), plain.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].Top, plain[i].Top) << i;
        EXPECT_DOUBLE_EQ(items[i].X, plain[i].X) << i;
        EXPECT_EQ(items[i].Pieces.size(), plain[i].Pieces.size()) << i;
    }

    const std::vector<TZpTextLine>& lines = doc.Layout().Lines();
    ASSERT_EQ(int(lines.size()), items.back().Line);
    ASSERT_GE(lines.size(), 5u);                     // the first paragraph wraps at least twice
    EXPECT_EQ(lines[lines.size() - 2].Paragraph, 1); // the empty paragraph has its line
    for (size_t i = 0; i < lines.size(); ++i) {
        const TZpTextLine& line = lines[i];
        ASSERT_EQ(qsizetype(line.CaretX.size()), line.To - line.From + 1) << i;
        EXPECT_TRUE(std::is_sorted(line.CaretX.begin(), line.CaretX.end())) << i;
        EXPECT_GT(line.Height, 0) << i;
        // The caret's x at the line's first character is where its first item starts.
        EXPECT_DOUBLE_EQ(line.CaretX.front(), items[line.FirstItem].X) << i;
        if (i > 0) {
            EXPECT_GT(line.Top, lines[i - 1].Top) << i;
            if (line.Paragraph == lines[i - 1].Paragraph)
                EXPECT_EQ(line.From, lines[i - 1].To) << i; // wrapped: no character lost
        }
        // A point on each caret stop finds that position again; the end of a
        // wrapped line belongs to the next line.
        const bool wrapped = i + 1 < lines.size() && lines[i + 1].Paragraph == line.Paragraph;
        for (qsizetype k = 0; k + (wrapped ? 1 : 0) < qsizetype(line.CaretX.size()); ++k) {
            const QPointF at(line.CaretX[size_t(k)], line.Top + line.Height / 2.0);
            const TZpTextPosition found = doc.Layout().PositionAt(at);
            EXPECT_EQ(found.Paragraph, line.Paragraph) << i << " " << k;
            if (k > 0 && line.CaretX[size_t(k)] == line.CaretX[size_t(k - 1)])
                continue; // a zero-width character: either side will do
            EXPECT_EQ(found.Offset, line.From + k) << i << " " << k;
            EXPECT_EQ(doc.Layout().LineOf(line.Paragraph, line.From + k), &line) << i << " " << k;
        }
    }
    // Centred: the first line's caret stops sit inside the width, off the left edge.
    EXPECT_GT(lines.front().CaretX.front(), 0.0);
    EXPECT_LE(lines.front().CaretX.back(), 300.0 + 30);
}

// The label drawn at one label pixel per image pixel, white background.
QImage Render(TZpTextObject& text, QSize size, int dpi) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    ApplyLabelMapping(painter, {}, dpi);
    text.Draw(painter);
    return image;
}

// The bounding box of everything not white.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(TextDrawingTest, NinetyDegreesWrapsToTheHeightAndReadsUpwards) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    text.SetBoundsExact({100, 100, 400, 200});
    text.Font().SetSize(20);
    text.Data().SetText(QStringLiteral("llll llll"));
    text.Rebuild();
    text.SetRotation(90); // bounds now 100 wide, 300 high
    ASSERT_EQ(text.GetBounds(), (TRect{100, 100, 200, 400}));
    const QImage image = Render(text, {500, 500}, 300);
    const QRect ink = Ink(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(100, 100, 102, 302).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    // Two words of 20 points fit one line of 300 pixels: a single column,
    // starting at the bottom of the object.
    EXPECT_LT(ink.width(), 80);
    EXPECT_GT(ink.bottom(), 330);
    // The first word reads from the bottom up: "llll" and a gap above it.
    EXPECT_GT(ink.height(), 150);

    // Made narrower than a word, each word gets its own column.
    TZpTextObject narrow;
    narrow.Font().SetSize(20);
    narrow.Data().SetText(QStringLiteral("llll llll"));
    narrow.Rebuild();
    narrow.SetBoundsExact({100, 100, 400, 150});
    narrow.SetRotation(90);
    narrow.SetBoundsExact({100, 100, 250, 200});
    const QImage two = Render(narrow, {500, 500}, 300);
    EXPECT_GT(Ink(two).width(), 80);
}

TEST(TextDrawingTest, RotationsPutTheFirstLineAtTheTurnedTop) {
    TLabelDpiGuard dpi(300);
    // One short word in the first line's corner: where it lands shows the turn.
    const struct {
        int32_t rotation;
        QPoint corner; // the quadrant of the 200 x 200 object that holds the ink
    } cases[] = {{0, {0, 0}}, {90, {0, 1}}, {180, {1, 1}}, {270, {1, 0}}};
    for (const auto& c : cases) {
        TZpTextObject text;
        text.SetBoundsExact({0, 0, 200, 200});
        text.Font().SetSize(12);
        text.Data().SetText(QStringLiteral("Hi"));
        text.Rebuild();
        text.SetRotationExact(c.rotation);
        const QRect ink = Ink(Render(text, {200, 200}, 300));
        ASSERT_FALSE(ink.isEmpty()) << c.rotation;
        EXPECT_EQ(QPoint(ink.center().x() / 100, ink.center().y() / 100), c.corner) << c.rotation;
    }
}

// Ink of a column range of an image.
QRect InkIn(const QImage& image, int fromX, int toX) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(TextDrawingTest, AlignmentPlacesEachLine) {
    TLabelDpiGuard dpi(300);
    // A 600 pixel wide object at 2 device pixels off its corner; two lines, the
    // second short.
    const QString words = QStringLiteral("MM MM MM MM MM MM MM MM MM"); // seven words, then two
    const struct {
        uint8_t alignment;
        int firstLeft, firstRight; // where the first line's ink reaches, -1 for anywhere
        int lastLeft, lastRight;
    } cases[] = {
        {taLeft, 2, -1, 2, -1},
        {taRight, -1, 602, -1, 602},
        {taCenter, -2, -2, -2, -2}, // -2: centred on the object
        {taJustify, 2, 602, 2, -1}, // the last line is not stretched
    };
    for (const auto& c : cases) {
        TZpTextObject text;
        text.SetBoundsExact({0, 0, 600, 200});
        text.Font().SetSize(10);
        text.Font().SetAlignment(c.alignment);
        text.Data().SetText(words);
        text.Rebuild();
        const QImage image = Render(text, {620, 200}, 300);
        const QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        // The two lines' ink, split halfway between the first top and the last bottom.
        const int split = (ink.top() + ink.bottom()) / 2;
        const QImage first = image.copy(0, 0, image.width(), split);
        const QImage last = image.copy(0, split, image.width(), image.height() - split);
        const QRect a = Ink(first), b = Ink(last);
        ASSERT_FALSE(a.isEmpty() || b.isEmpty()) << int(c.alignment);
        EXPECT_LT(b.width(), a.width() - 100) << "second line should be the short one";
        const auto check = [&](const QRect& r, int left, int right, const char* line) {
            // Glyph side bearings keep ink a few pixels inside the edges.
            if (left >= 0)
                EXPECT_NEAR(r.left(), left, 8) << int(c.alignment) << " " << line;
            if (right >= 0)
                EXPECT_NEAR(r.right() + 1, right, 8) << int(c.alignment) << " " << line;
            if (left == -2)
                EXPECT_NEAR((r.left() + r.right() + 1) / 2.0, 302, 8) << int(c.alignment) << " " << line;
        };
        check(a, c.firstLeft, c.firstRight, "first");
        check(b, c.lastLeft, c.lastRight, "last");
        if (c.alignment == taJustify)
            EXPECT_LT(b.right(), 500);
    }
}

TEST(TextDrawingTest, SuperscriptRisesAndSubscriptSinks) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    text.SetBoundsExact({0, 0, 600, 300});
    TZpRVData& doc = text.RVData();
    doc.SetTextStyles({{0, QStringLiteral("Arial"), 20, 0, 0},
                       {0, QStringLiteral("Arial"), 20, 50, 0},
                       {0, QStringLiteral("Arial"), 20, -50, 0}});
    // Three letters, spaced apart: normal, superscript, subscript.
    doc.SetParagraphs(
        {{taLeft,
          {{QStringLiteral("H        "), 0}, {QStringLiteral("H        "), 1}, {QStringLiteral("H"), 2}}}});
    const QImage image = Render(text, {600, 300}, 300);
    const QRect ink = Ink(image);
    ASSERT_FALSE(ink.isEmpty());
    // Split the ink into its three letters by the blank columns between them.
    std::vector<QRect> letters;
    for (int x = 0, start = -1; x <= image.width(); ++x) {
        const bool dark = x < image.width() && !InkIn(image, x, x + 1).isEmpty();
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            letters.push_back(InkIn(image, start, x));
            start = -1;
        }
    }
    ASSERT_EQ(letters.size(), 3u);
    const int normal = letters[0].bottom(), up = letters[1].bottom(), down = letters[2].bottom();
    // Half the font's height (20 points at 300 dpi: some 95 pixels) up and down.
    EXPECT_NEAR(normal - up, 45, 8);
    EXPECT_NEAR(down - normal, 45, 8);
    EXPECT_EQ(letters[1].height(), letters[0].height()) << "the shifted letter keeps its size";
}

TEST(TextDrawingTest, BackgroundFillsTheBoundsAndTextIsClipped) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    text.SetBoundsExact({50, 50, 150, 100});
    text.FillStyle().SetStyle(bsSolid);
    text.FillStyle().SetColor(clRed);
    text.Font().SetSize(200);
    text.Data().SetText(QStringLiteral("WWW"));
    text.Rebuild();
    const QImage image = Render(text, {300, 300}, 300);
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(149, 99), qRgb(255, 0, 0));
    EXPECT_TRUE(QRect(50, 50, 102, 52).contains(Ink(image)));
}

// A 300 dpi device that only counts what text drawing asks of it.
class TCountingEngine final : public QPaintEngine {
public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled))
            ++Clips;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++Texts; }
    [[nodiscard]] Type type() const override { return User; }
    int Clips = 0;
    int Texts = 0;
};

class TCountingDevice final : public QPaintDevice {
public:
    [[nodiscard]] QPaintEngine* paintEngine() const override { return &Engine; }
    mutable TCountingEngine Engine;

protected:
    [[nodiscard]] int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }
};

// Text is clipped to its box only where its ink reaches the box's edge: a
// clip for every text would be set and undone in a PDF for every label.
TEST(TextDrawingTest, OnlyTextWhoseInkLeavesItsBoxIsClipped) {
    TLabelDpiGuard dpi(300);
    const struct {
        const char* name;
        const char* text;
        TRect bounds;
        bool clipped;
    } cases[] = {
        {"fits", "Sample", {50, 50, 400, 150}, false},
        {"descender below the bottom", "gyp", {50, 50, 400, 88}, true},
        {"letter wider than the box", "WWW", {50, 50, 70, 400}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TZpTextObject text;
        text.SetBoundsExact(c.bounds);
        text.Font().SetSize(12);
        text.Data().SetText(QString::fromLatin1(c.text));
        text.Rebuild();
        TCountingDevice device;
        {
            QPainter painter(&device);
            ApplyLabelMapping(painter, {}, 300);
            text.Draw(painter);
        }
        EXPECT_GT(device.Engine.Texts, 0);
        EXPECT_EQ(device.Engine.Clips > 0, c.clipped);
        const QImage image = Render(text, {500, 500}, 300);
        const QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(
            QRect(c.bounds.Left, c.bounds.Top, c.bounds.Width() + 2, c.bounds.Height() + 2).contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST(TextDrawingTest, HatchedBackgroundLeavesTheGapsWhenTransparent) {
    TLabelDpiGuard dpi(300);
    for (bool transparent : {true, false}) {
        TZpTextObject text;
        text.SetBoundsExact({0, 0, 100, 100});
        text.FillStyle().SetStyle(bsHorizontal);
        text.FillStyle().SetColor(clBlue);
        text.FillStyle().SetTransparent(transparent);
        text.Data().SetText(QString());
        text.Rebuild();
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        ApplyLabelMapping(painter, {}, 96);
        text.Draw(painter);
        painter.end();
        int green = 0, blue = 0, white = 0;
        for (int y = 0; y < 100; ++y) {
            const QRgb p = image.pixel(50, y);
            green += p == qRgb(0, 255, 0);
            blue += p == qRgb(0, 0, 255);
            white += p == qRgb(255, 255, 255);
        }
        EXPECT_GT(blue, 0);
        EXPECT_EQ(green > 0, transparent);
        EXPECT_EQ(white > 0, !transparent);
    }
}

struct BadCase {
    const char* name;
    std::function<void(TZpTextObject&)> setup;
};

QString Repeated(const QString& piece, int times) {
    QString s;
    s.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

const BadCase kBadText[] = {
    {"OneMegabyte", [](TZpTextObject& t) { t.Data().SetText(Repeated(QStringLiteral("word, "), 175000)); }},
    {"OneMegabyteWithoutBreaks", [](TZpTextObject& t) { t.Data().SetText(QString(1 << 20, u'x')); }},
    {"Size999", [](TZpTextObject& t) { t.Font().SetSize(999); }},
    {"NegativeSize", [](TZpTextObject& t) { t.Font().SetSize(-12); }},
    {"HugeSize", [](TZpTextObject& t) { t.Font().SetSize(INT32_MAX); }},
    {"ZeroWidth",
     [](TZpTextObject& t) {
         t.SetBoundsExact({60, 60, 60, 160});
     }},
    {"InvertedBounds",
     [](TZpTextObject& t) {
         t.SetBoundsExact({160, 160, 60, 60});
     }},
    {"ControlCharacters",
     [](TZpTextObject& t) { t.Data().SetText(QStringLiteral("a\x01\x02\tb\x7f\x1b[0m\u2028c\u2029d")); }},
    {"RightToLeftAndCombining",
     [](TZpTextObject& t) {
         t.Data().SetText(QString::fromUtf8(
             "שלום עולם abc مرحبا e\xCC\x81\xCC\x82\xCC\x83 \xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xB7"));
     }},
    {"NarrowWithLongText",
     [](TZpTextObject& t) {
         t.SetBoundsExact({60, 60, 61, 160});
         t.Data().SetText(Repeated(QStringLiteral("ab "), 100000));
     }},
    {"StackedLines",
     [](TZpTextObject& t) {
         t.SetCustomLeading(true);
         t.SetCustomLeadingSize(25);
         t.Data().SetText(Repeated(QStringLiteral("line\n"), 20000));
     }},
};

class BadTextTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadTextTest, DrawsInsideTheClipWithoutFailing) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    text.SetBoundsExact({60, 60, 260, 160});
    text.Data().SetKind(dkDatabaseField);
    GetParam().setup(text);
    text.DataChanged();
    QImage image(400, 300, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(300 / 0.0254));
    image.setDotsPerMeterY(qRound(300 / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    ApplyLabelMapping(painter, {}, 300);
    painter.setClipRect(QRect(0, 0, 200, 300));
    text.Draw(painter);
    painter.end();
    const TRect b = text.GetBounds();
    // The text sits 2 device pixels off the bounds' corner, its clip with it.
    const QRect allowed = QRect(QPoint(std::min(b.Left, b.Right), std::min(b.Top, b.Bottom)),
                                QPoint(std::max(b.Left, b.Right) + 2, std::max(b.Top, b.Bottom) + 2)) &
                          QRect(0, 0, 200, 300);
    const QRect ink = Ink(image);
    EXPECT_TRUE(ink.isEmpty() || allowed.contains(ink))
        << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    if (qEnvironmentVariableIsSet("ZP_SAVE_TEXT_IMAGES"))
        image.save(QStringLiteral("/tmp/%1.png").arg(QString::fromLatin1(GetParam().name)));
}

INSTANTIATE_TEST_SUITE_P(Text, BadTextTest, ::testing::ValuesIn(kBadText),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadTextTest, TenThousandRunsLayOutInOrder) {
    TZpTextObject text;
    TZpRVData& doc = text.RVData();
    doc.SetTextStyles(
        {{0, QStringLiteral("Arial"), 8, 0, 0}, {clRed, QStringLiteral("Times New Roman"), 9, 50, fsBold}});
    TZpParagraph paragraph;
    for (int i = 0; i < 10000; ++i)
        paragraph.Runs.push_back({QStringLiteral("r%1 ").arg(i), i % 2});
    doc.SetParagraphs({paragraph});
    doc.Layout().Format(doc, 600, 1 << 20, 300);
    const std::vector<TZpTextItem>& items = doc.Layout().Items();
    ASSERT_EQ(items.size(), 10000u);
    for (size_t i = 1; i < items.size(); ++i)
        ASSERT_TRUE(items[i].Line > items[i - 1].Line || items[i].X > items[i - 1].X) << i;
}

} // namespace
} // namespace zp
