// SPDX-License-Identifier: MIT
#include "model/objects/TextLayout.h"

#include "base/Rounding.h"
#include "model/objects/Interfaces.h"
#include "model/objects/RVData.h"
#include "model/objects/TextFonts.h"

#include <QFontMetricsF>
#include <QLoggingCategory>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcTextLayout, "zentaprint.model.text.layout")

namespace zp {

namespace {

// Runs are measured in pieces of at most this many characters, which keeps
// each piece's width well inside the text engine's fixed-point range even
// for the largest fonts.
constexpr qsizetype kSegmentChars = 256;
// A text with more lines than any label can show is cut here rather than
// formatted for minutes.
constexpr int kMaxLines = 100000;

bool IsDelimiter(QChar c) {
    switch (c.unicode()) {
    case ' ':
    case '.':
    case ';':
    case ',':
    case ':':
    case '(':
    case ')':
    case '{':
    case '}':
    case '"':
    case '/':
    case '\\':
        return true;
    default:
        return false;
    }
}

// Characters that would end a line inside the text engine are drawn as spaces:
// a run never holds a paragraph break.
QString Sanitized(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return out;
}

struct TFontInfo {
    QFont Font;
    int32_t Ascent = 0, Descent = 0, InternalLeading = 0, ExternalLeading = 0, Shift = 0;
    QColor Color;
};

TFontInfo MakeFontInfo(const TZpTextStyle& style, int dpi) {
    TFontInfo info;
    info.Font = LabelFont(style, dpi);
    const QFontMetricsF fm(info.Font);
    info.Ascent = Round(fm.ascent());
    info.Descent = Round(fm.descent());
    info.ExternalLeading = std::max(0, Round(fm.leading()));
    info.InternalLeading = std::max(0, info.Ascent + info.Descent - info.Font.pixelSize());
    info.Shift = Round(style.VShift / 100.0 * (info.Ascent + info.Descent));
    info.Color = ToQColor(style.Color);
    return info;
}

struct TSegment {
    qsizetype From = 0, Len = 0;
    int32_t Style = 0;
    const TFontInfo* Font = nullptr;
    std::unique_ptr<QTextLayout> Layout;
    double X0 = 0;    // cursor position of the segment's first character
    double BaseX = 0; // logical x of From within the paragraph
    double Width = 0;
    double Baseline = 0; // baseline within the segment's own layout
    bool RightToLeft = false;

    [[nodiscard]] double Offset(qsizetype local) const {
        return Len == 0 ? 0.0 : std::abs(Layout->lineAt(0).cursorToX(int(local)) - X0);
    }
};

void Measure(TSegment& seg, const QString& text) {
    seg.Layout = std::make_unique<QTextLayout>(text.mid(seg.From, seg.Len), seg.Font->Font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    option.setTextDirection(seg.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    seg.Layout->setTextOption(option);
    seg.Layout->beginLayout();
    QTextLine line = seg.Layout->createLine();
    if (line.isValid())
        line.setLineWidth(1e7);
    seg.Layout->endLayout();
    if (!line.isValid() || seg.Len == 0)
        return;
    seg.X0 = line.cursorToX(0);
    seg.Width = std::abs(line.cursorToX(int(seg.Len)) - seg.X0);
    seg.Baseline = line.ascent();
}

// 1 for a strongly left-to-right character, -1 for right-to-left, 0 for neutrals.
int StrongDirection(QChar c) {
    switch (c.direction()) {
    case QChar::DirL:
        return 1;
    case QChar::DirR:
    case QChar::DirAL:
        return -1;
    default:
        return 0;
    }
}

// Where a run is cut into measuring segments: at a change of writing
// direction, so that each segment reads one way and its pieces can be placed
// by their logical offsets, and after at most kSegmentChars characters, but
// not inside a surrogate pair or before a combining mark. direction gets the
// segment's direction.
qsizetype SegmentEnd(const QString& text, qsizetype from, qsizetype end, int& direction) {
    direction = 0;
    qsizetype cut = from;
    for (; cut < end && cut < from + kSegmentChars; ++cut) {
        const int d = StrongDirection(text[cut]);
        if (d != 0 && direction != 0 && d != direction)
            break;
        if (direction == 0)
            direction = d;
    }
    while (cut < end && cut > from + 1 && (text[cut].isLowSurrogate() || text[cut].isMark()))
        --cut;
    return cut;
}

} // namespace

TZpLineBreaker::TZpLineBreaker(const QString& text, double width,
                               std::function<double(qsizetype, qsizetype)> advance)
    : FText(text), FLimit(width + 1e-6), FAdvance(std::move(advance)), FNextBreak(size_t(text.size()) + 1) {
    // FNextBreak[i]: the first break opportunity after position i (a
    // position just past a delimiter, or the end).
    const qsizetype n = text.size();
    FNextBreak[size_t(n)] = n;
    for (qsizetype i = n - 1; i >= 0; --i)
        FNextBreak[size_t(i)] = IsDelimiter(text[i]) ? i + 1 : FNextBreak[size_t(i + 1)];
}

qsizetype TZpLineBreaker::Trimmed(qsizetype s, qsizetype e) const {
    while (e > s && FText[e - 1] == u' ')
        --e;
    return e;
}

qsizetype TZpLineBreaker::NextLine(qsizetype s) const {
    const qsizetype n = FText.size();
    if (s >= n)
        return n;
    qsizetype best = -1;
    for (qsizetype e = FNextBreak[size_t(s)];; e = FNextBreak[size_t(e)]) {
        if (FAdvance(s, Trimmed(s, e)) > FLimit)
            break;
        best = e;
        if (e >= n)
            break;
    }
    if (best >= 0)
        return best;
    // The first word alone is too wide: as many characters as fit, at least one.
    const qsizetype wordEnd = Trimmed(s, FNextBreak[size_t(s)]);
    const auto clusterEnd = [&](qsizetype i) {
        ++i;
        while (i < wordEnd && (FText[i].isLowSurrogate() || FText[i].isMark()))
            ++i;
        return i;
    };
    best = clusterEnd(s);
    while (best < wordEnd) {
        const qsizetype next = clusterEnd(best);
        if (FAdvance(s, next) > FLimit)
            break;
        best = next;
    }
    // Spaces after a word broken at its end still hang on its line.
    while (best < n && FText[best] == u' ')
        ++best;
    return best;
}

std::vector<qsizetype> BreakLines(const QString& text, double width,
                                  const std::function<double(qsizetype, qsizetype)>& advance) {
    const TZpLineBreaker breaker(text, width, advance);
    std::vector<qsizetype> starts;
    for (qsizetype s = breaker.NextLine(0); s < text.size(); s = breaker.NextLine(s))
        starts.push_back(s);
    return starts;
}

struct TZpTextLayout::TFontEntry {
    TZpTextStyle Style;
    int Dpi = 0;
    TFontInfo Info;
};

TZpTextLayout::TZpTextLayout() = default;
TZpTextLayout::~TZpTextLayout() = default;

const TZpTextLayout::TFontEntry& TZpTextLayout::FontFor(const TZpTextStyle& style, int dpi) {
    for (const std::unique_ptr<TFontEntry>& entry : FFonts)
        if (entry->Dpi == dpi && entry->Style == style)
            return *entry;
    FFonts.push_back(std::make_unique<TFontEntry>(TFontEntry{style, dpi, MakeFontInfo(style, dpi)}));
    return *FFonts.back();
}

namespace {

/// The font of each text style, made when first asked for; styles the sheet
/// lacks take the default style.
class TFontCache {
public:
    using TMake = std::function<const TFontInfo&(const TZpTextStyle&)>;
    TFontCache(const std::vector<TZpTextStyle>& styles, TMake make)
        : FStyles(styles), FMake(std::move(make)), FFonts(styles.size() + 1) {}
    const TFontInfo& operator()(int32_t style) {
        const size_t index = style >= 0 && size_t(style) < FStyles.size() ? size_t(style) : FStyles.size();
        if (!FFonts[index])
            FFonts[index] = &FMake(index < FStyles.size() ? FStyles[index] : TZpTextStyle{});
        return *FFonts[index];
    }

private:
    const std::vector<TZpTextStyle>& FStyles;
    TMake FMake;
    std::vector<const TFontInfo*> FFonts;
};

/// One paragraph as a single string, cut into measuring segments of one
/// style and one writing direction each. Segments are measured in order, as
/// far as the lines reach, so a long paragraph below the visible area costs
/// nothing.
class TParagraphText {
public:
    TParagraphText(const TZpParagraph& paragraph, TFontCache& fonts) {
        for (const TZpRun& run : paragraph.Runs) {
            const QString runText = Sanitized(run.Text);
            const qsizetype base = FText.size();
            FText += runText;
            qsizetype from = 0;
            do {
                int direction = 0;
                const qsizetype end = SegmentEnd(runText, from, runText.size(), direction);
                TSegment seg;
                seg.RightToLeft = direction < 0;
                seg.From = base + from;
                seg.Len = end - from;
                seg.Style = run.Style;
                seg.Font = &fonts(run.Style);
                FSegments.push_back(std::move(seg));
                from = end;
            } while (from < runText.size());
        }
        if (FSegments.empty()) {
            TSegment seg;
            seg.Font = &fonts(0);
            FSegments.push_back(std::move(seg));
        }
    }

    [[nodiscard]] const QString& Text() const { return FText; }
    [[nodiscard]] std::vector<TSegment>& Segments() { return FSegments; }

    void MeasureTo(size_t index) {
        for (; FMeasured <= index && FMeasured < FSegments.size(); ++FMeasured) {
            TSegment& seg = FSegments[FMeasured];
            Measure(seg, FText);
            seg.BaseX =
                FMeasured == 0 ? 0.0 : FSegments[FMeasured - 1].BaseX + FSegments[FMeasured - 1].Width;
        }
    }
    const TSegment& SegmentAt(qsizetype i) {
        auto it = std::upper_bound(FSegments.begin(), FSegments.end(), i,
                                   [](qsizetype v, const TSegment& s) { return v < s.From; });
        const size_t index = it == FSegments.begin() ? 0 : size_t(it - FSegments.begin()) - 1;
        MeasureTo(index);
        return FSegments[index];
    }
    /// The logical x of character position i from the paragraph's start.
    double XAt(qsizetype i) {
        const auto at = [&] {
            const TSegment& seg = SegmentAt(i);
            return seg.BaseX + seg.Offset(std::min(i - seg.From, seg.Len));
        };
        if (i < 0 || i > FText.size())
            return at();
        // Line breaking asks for the same positions again and again.
        if (FXs.empty())
            FXs.assign(size_t(FText.size()) + 1, std::numeric_limits<double>::quiet_NaN());
        double& x = FXs[size_t(i)];
        if (std::isnan(x))
            x = at();
        return x;
    }
    double Advance(qsizetype a, qsizetype b) { return XAt(b) - XAt(a); }

private:
    QString FText;
    std::vector<TSegment> FSegments;
    size_t FMeasured = 0;
    std::vector<double> FXs;
};

/// The two corrections of the line spacing: the first line's leading
/// removed (M, the largest internal leading + 1 up to the first item of
/// line 2) and a custom leading that moves line j by (j - 1) times the
/// difference between it and each item's own font height.
class TLeadingCorrection {
public:
    TLeadingCorrection(const TZpRVData& doc, int dpi)
        : FSkipFirst(doc.SkipFirstLeading), FCustom(doc.CustomLeading),
          FLeadTerm(Round((doc.CustomLeadingSize - 25) / 720.0 * dpi)) {}

    /// Sees the items of one more placed line.
    void Note(const std::vector<TZpTextItem>& items, size_t firstItem) {
        for (size_t i = firstItem; i < items.size() && !FFirstDone; ++i) {
            FFirstLeading = std::max(FFirstLeading, items[i].InternalLeading + 1);
            FFirstDone = i > 0 && items[i].StartsLine;
        }
    }
    [[nodiscard]] int64_t Top(const TZpTextItem& item) const {
        int64_t top = item.Top;
        if (FSkipFirst)
            top -= FFirstLeading;
        if (FCustom)
            top += int64_t(FLeadTerm - item.InternalLeading - item.ExternalLeading - item.Ascent) *
                   (item.Line - 1);
        return top;
    }
    static int32_t Clamped(int64_t top) {
        return int32_t(std::clamp<int64_t>(top, INT32_MIN / 2, INT32_MAX / 2));
    }

private:
    bool FSkipFirst, FCustom;
    int32_t FLeadTerm;
    int32_t FFirstLeading = 0;
    bool FFirstDone = false;
};

} // namespace

/// Places the lines of one paragraph under the lines before it.
struct TZpTextLayout::TPlacer {
    TZpTextLayout& Layout;
    const TZpRVData& Doc;
    int32_t Width;
    int32_t VisibleHeight;
    TLeadingCorrection& Leading;
    int32_t ParagraphIndex = 0;
    int32_t LineTop = 0;
    int LineNo = 0;
    int64_t PreviousTop = 0;

    /// False once the lines left are below the visible area (or too many).
    bool Place(TParagraphText& para);
};

bool TZpTextLayout::TPlacer::Place(TParagraphText& para) {
    std::vector<TZpTextItem>& items = Layout.FItems;
    const QString& text = para.Text();
    const auto advance = [&](qsizetype a, qsizetype b) { return para.Advance(a, b); };
    const TZpLineBreaker breaker(text, Width, advance);
    const int32_t alignment = Doc.Alignment(Doc.Paragraphs()[size_t(ParagraphIndex)].ParaStyle);
    bool firstLine = true; // an empty paragraph still has its one line
    for (qsizetype s = 0, e = 0; firstLine || s < text.size(); s = e, firstLine = false) {
        e = breaker.NextLine(s);
        qsizetype visibleEnd = e;
        while (visibleEnd > s && text[visibleEnd - 1] == u' ')
            --visibleEnd;
        const double lineWidth = advance(s, visibleEnd);
        double x0 = 0;
        if (alignment == taRight)
            x0 = Width - lineWidth;
        else if (alignment == taCenter)
            x0 = (Width - lineWidth) / 2;
        double spaceExtra = 0;
        if (alignment == taJustify && e < text.size() && lineWidth < Width) {
            const qsizetype spaces = std::count(text.begin() + s, text.begin() + visibleEnd, u' ');
            if (spaces > 0)
                spaceExtra = (Width - lineWidth) / double(spaces);
        }
        const auto spacesBefore = [&](qsizetype i) {
            return spaceExtra == 0
                       ? 0.0
                       : double(std::count(text.begin() + s, text.begin() + i, u' ')) * spaceExtra;
        };
        // Where the caret stands before each character of the line.
        const auto caretX = [&](qsizetype i) { return x0 + para.XAt(i) - para.XAt(s) + spacesBefore(i); };

        ++LineNo;
        const size_t firstItem = items.size();
        for (const TSegment& seg : para.Segments()) {
            if (seg.From > std::max(s, visibleEnd))
                break;
            para.MeasureTo(size_t(&seg - para.Segments().data()));
            const qsizetype a = std::max(s, seg.From);
            const qsizetype b = std::min(visibleEnd, seg.From + seg.Len);
            const bool emptyLine = visibleEnd == s && &seg == &para.SegmentAt(s);
            if (a >= b && !emptyLine)
                continue;
            TZpTextItem item;
            item.Line = LineNo;
            item.StartsLine = items.size() == firstItem;
            item.Style = seg.Style;
            item.X = caretX(a);
            item.Ascent = seg.Font->Ascent;
            item.Descent = seg.Font->Descent;
            item.InternalLeading = seg.Font->InternalLeading;
            item.ExternalLeading = seg.Font->ExternalLeading;
            item.Shift = seg.Font->Shift;
            item.Color = seg.Font->Color;
            // Justified lines are drawn word by word, each word moved by the
            // extra space before it.
            for (qsizetype pa = a; pa < b;) {
                qsizetype pb = b;
                if (spaceExtra != 0)
                    for (qsizetype i = pa; i < b; ++i)
                        if (text[i] == u' ') {
                            pb = i + 1;
                            break;
                        }
                const QTextLine line = seg.Layout->lineAt(0);
                const double left =
                    std::min(line.cursorToX(int(pa - seg.From)), line.cursorToX(int(pb - seg.From)));
                const double dx = caretX(pa) - left;
                const QList<QGlyphRun> runs = seg.Layout->glyphRuns(int(pa - seg.From), int(pb - pa));
                for (const QGlyphRun& run : runs)
                    item.Pieces.push_back(TZpGlyphPiece{QPointF(dx, -seg.Baseline), run, {}, {}});
                if (runs.size() == 1 && !runs.front().isRightToLeft() &&
                    !runs.front().positions().isEmpty()) {
                    item.Pieces.back().Text = text.mid(pa, pb - pa);
                    item.Pieces.back().Font = seg.Font->Font;
                }
                pa = pb;
            }
            items.push_back(std::move(item));
        }
        int32_t ascent = 0, descent = 0;
        for (size_t i = firstItem; i < items.size(); ++i) {
            ascent = std::max(ascent, items[i].Ascent + std::max(0, items[i].Shift));
            descent = std::max(descent, items[i].Descent + std::max(0, -items[i].Shift));
        }
        for (size_t i = firstItem; i < items.size(); ++i)
            items[i].Top = LineTop + ascent - items[i].Ascent;
        if (Layout.FKey.Carets) {
            TZpTextLine line;
            line.Paragraph = ParagraphIndex;
            line.From = s;
            line.To = e;
            line.Top = LineTop;
            line.Height = ascent + descent;
            line.FirstItem = firstItem;
            line.ItemCount = items.size() - firstItem;
            for (qsizetype i = s; i <= e; ++i)
                line.CaretX.push_back(caretX(i));
            Layout.FLines.push_back(std::move(line));
        }
        LineTop += ascent + descent;

        Leading.Note(items, firstItem);
        // Lines that the corrections leave below the visible area, moving
        // further down, need not be formatted at all.
        int64_t top = INT64_MAX;
        for (size_t i = firstItem; i < items.size(); ++i)
            top = std::min(top, Leading.Top(items[i]));
        const bool below = LineNo >= 3 && top > VisibleHeight && top > PreviousTop;
        PreviousTop = top;
        if (LineNo >= kMaxLines) {
            qCInfo(lcTextLayout) << "text cut after" << kMaxLines << "lines";
            return false;
        }
        if (below)
            return false;
    }
    return true;
}

void TZpTextLayout::Format(const TZpRVData& doc, int32_t width, int32_t visibleHeight, int dpi, bool carets) {
    const TKey key{doc.Revision(),    width,  visibleHeight, dpi, doc.CustomLeadingSize, doc.SkipFirstLeading,
                   doc.CustomLeading, carets, &doc};
    if (key == FKey)
        return;
    FKey = key;
    ++FFormatCount;
    FItems.clear();
    FLines.clear();

    // Fonts are only let go between formats, which hold on to them.
    constexpr size_t kFontsKept = 16;
    if (FFonts.size() > kFontsKept)
        FFonts.clear();
    TFontCache fonts(doc.TextStyles(), [this, dpi](const TZpTextStyle& style) -> const TFontInfo& {
        return FontFor(style, dpi).Info;
    });
    TLeadingCorrection leading(doc, dpi);
    TPlacer placer{*this, doc, width, visibleHeight, leading};
    for (const TZpParagraph& paragraph : doc.Paragraphs()) {
        TParagraphText para(paragraph, fonts);
        if (!placer.Place(para))
            break;
        ++placer.ParagraphIndex;
    }

    FInkBounds = QRectF();
    FDecorated = false;
    for (TZpTextItem& item : FItems) {
        item.Top = TLeadingCorrection::Clamped(leading.Top(item));
        const double baseline = double(item.Top) + item.Ascent - item.Shift;
        for (const TZpGlyphPiece& piece : item.Pieces) {
            const QGlyphRun& run = piece.Glyphs;
            FDecorated = FDecorated || run.underline() || run.overline() || run.strikeOut();
            // A run's own bounding rectangle is its line box; the ink is
            // the glyphs' outlines.
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            const QPointF origin(piece.Offset.x(), baseline + piece.Offset.y());
            for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
                const QRectF ink = font.boundingRect(glyphs[i]);
                if (!ink.isEmpty())
                    FInkBounds |= ink.translated(origin + positions[i]);
            }
        }
    }
    // A line moves with its items; its top is the highest of them.
    for (TZpTextLine& line : FLines) {
        int64_t top = INT64_MAX, bottom = INT64_MIN;
        for (size_t i = line.FirstItem; i < line.FirstItem + line.ItemCount; ++i) {
            top = std::min<int64_t>(top, FItems[i].Top - std::max(0, FItems[i].Shift));
            bottom = std::max<int64_t>(bottom, int64_t(FItems[i].Top) + FItems[i].Ascent + FItems[i].Descent +
                                                   std::max(0, -FItems[i].Shift));
        }
        if (top <= bottom) {
            line.Top = int32_t(top);
            line.Height = int32_t(bottom - top);
        }
    }
}

const TZpTextLine* TZpTextLayout::LineOf(int32_t paragraph, qsizetype offset) const {
    const TZpTextLine* found = nullptr;
    for (const TZpTextLine& line : FLines) {
        if (line.Paragraph > paragraph)
            break;
        if (line.Paragraph == paragraph && line.From <= offset)
            found = &line;
    }
    return found;
}

TZpTextPosition TZpTextLayout::PositionAt(QPointF point) const {
    if (FLines.empty())
        return {};
    // The line under the point, or the nearest above or below all lines.
    const TZpTextLine* hit = &FLines.front();
    for (const TZpTextLine& line : FLines)
        if (point.y() >= line.Top)
            hit = &line;
    size_t best = 0;
    for (size_t i = 1; i < hit->CaretX.size(); ++i)
        if (std::abs(hit->CaretX[i] - point.x()) < std::abs(hit->CaretX[best] - point.x()))
            best = i;
    // The end of a wrapped line is the start of the next: the caret stays
    // before the break, at its last character.
    const bool wrapped = &*hit != &FLines.back() && (hit + 1)->Paragraph == hit->Paragraph;
    if (wrapped && best + 1 == hit->CaretX.size() && best > 0)
        --best;
    return {hit->Paragraph, hit->From + qsizetype(best)};
}

void TZpTextLayout::Paint(QPainter& painter, QPointF offset) const {
    // A picture records glyph runs as outlines; text it records as text.
    const bool recorded = painter.device() && painter.device()->devType() == QInternal::Picture;
    for (const TZpTextItem& item : FItems) {
        if (item.Pieces.empty())
            continue;
        painter.setPen(item.Color);
        const double baseline = double(item.Top) + item.Ascent - item.Shift;
        for (const TZpGlyphPiece& piece : item.Pieces) {
            const QPointF origin = offset + QPointF(piece.Offset.x(), baseline + piece.Offset.y());
            if (recorded && !piece.Text.isEmpty()) {
                painter.setFont(piece.Font);
                painter.drawText(origin + piece.Glyphs.positions().front(), piece.Text);
            } else {
                painter.drawGlyphRun(origin, piece.Glyphs);
            }
        }
    }
}

} // namespace zp
