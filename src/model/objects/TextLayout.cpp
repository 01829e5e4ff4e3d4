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

void TZpTextLayout::Format(const TZpRVData& doc, int32_t width, int32_t visibleHeight, int dpi) {
    const TKey key{doc.Revision(),    width, visibleHeight, dpi, doc.CustomLeadingSize, doc.SkipFirstLeading,
                   doc.CustomLeading, &doc};
    if (key == FKey)
        return;
    FKey = key;
    ++FFormatCount;
    FItems.clear();
    // Fonts are only let go between formats, which hold on to them.
    constexpr size_t kFontsKept = 16;
    if (FFonts.size() > kFontsKept)
        FFonts.clear();

    const std::vector<TZpTextStyle>& styles = doc.TextStyles();
    std::vector<const TFontInfo*> fonts(styles.size() + 1);
    const auto fontOf = [&](int32_t style) -> const TFontInfo& {
        const size_t index = style >= 0 && size_t(style) < styles.size() ? size_t(style) : styles.size();
        if (!fonts[index])
            fonts[index] = &FontFor(index < styles.size() ? styles[index] : TZpTextStyle{}, dpi).Info;
        return *fonts[index];
    };

    const int32_t leadTerm = Round((doc.CustomLeadingSize - 25) / 720.0 * dpi);
    int32_t firstLeading = 0; // M: the largest internal leading + 1 up to the first item of line 2
    bool firstLeadingDone = false;
    const auto correctedTop = [&](const TZpTextItem& item) {
        int64_t top = item.Top;
        if (doc.SkipFirstLeading)
            top -= firstLeading;
        if (doc.CustomLeading)
            top += int64_t(leadTerm - item.InternalLeading - item.ExternalLeading - item.Ascent) *
                   (item.Line - 1);
        return top;
    };

    int32_t lineTop = 0;
    int lineNo = 0;
    int64_t previousTop = 0;
    bool stop = false;
    for (const TZpParagraph& paragraph : doc.Paragraphs()) {
        if (stop)
            break;
        // The paragraph as one string, measured in segments of one style each.
        QString text;
        std::vector<TSegment> segments;
        for (const TZpRun& run : paragraph.Runs) {
            const QString runText = Sanitized(run.Text);
            const qsizetype base = text.size();
            text += runText;
            qsizetype from = 0;
            do {
                int direction = 0;
                const qsizetype end = SegmentEnd(runText, from, runText.size(), direction);
                TSegment seg;
                seg.RightToLeft = direction < 0;
                seg.From = base + from;
                seg.Len = end - from;
                seg.Style = run.Style;
                seg.Font = &fontOf(run.Style);
                segments.push_back(std::move(seg));
                from = end;
            } while (from < runText.size());
        }
        if (segments.empty()) {
            TSegment seg;
            seg.Font = &fontOf(0);
            segments.push_back(std::move(seg));
        }
        // Segments are measured in order, as far as the lines reach.
        size_t measured = 0;
        const auto measureTo = [&](size_t index) {
            for (; measured <= index && measured < segments.size(); ++measured) {
                TSegment& seg = segments[measured];
                Measure(seg, text);
                seg.BaseX = measured == 0 ? 0.0 : segments[measured - 1].BaseX + segments[measured - 1].Width;
            }
        };
        const auto segmentAt = [&](qsizetype i) -> const TSegment& {
            auto it = std::upper_bound(segments.begin(), segments.end(), i,
                                       [](qsizetype v, const TSegment& s) { return v < s.From; });
            const size_t index = it == segments.begin() ? 0 : size_t(it - segments.begin()) - 1;
            measureTo(index);
            return segments[index];
        };
        // Line breaking asks for the same positions again and again.
        std::vector<double> xs(size_t(text.size()) + 1, std::numeric_limits<double>::quiet_NaN());
        const auto xAt = [&](qsizetype i) {
            const auto at = [&] {
                const TSegment& seg = segmentAt(i);
                return seg.BaseX + seg.Offset(std::min(i - seg.From, seg.Len));
            };
            if (i < 0 || i > text.size())
                return at();
            double& x = xs[size_t(i)];
            if (std::isnan(x))
                x = at();
            return x;
        };
        const auto advance = [&](qsizetype a, qsizetype b) { return xAt(b) - xAt(a); };

        const TZpLineBreaker breaker(text, width, advance);
        const int32_t alignment = doc.Alignment(paragraph.ParaStyle);
        bool firstLine = true; // an empty paragraph still has its one line
        for (qsizetype s = 0, e = 0; !stop && (firstLine || s < text.size()); s = e, firstLine = false) {
            e = breaker.NextLine(s);
            qsizetype visibleEnd = e;
            while (visibleEnd > s && text[visibleEnd - 1] == u' ')
                --visibleEnd;
            const double lineWidth = advance(s, visibleEnd);
            double x0 = 0;
            if (alignment == taRight)
                x0 = width - lineWidth;
            else if (alignment == taCenter)
                x0 = (width - lineWidth) / 2;
            double spaceExtra = 0;
            if (alignment == taJustify && e < text.size() && lineWidth < width) {
                const qsizetype spaces = std::count(text.begin() + s, text.begin() + visibleEnd, u' ');
                if (spaces > 0)
                    spaceExtra = (width - lineWidth) / double(spaces);
            }
            const auto spacesBefore = [&](qsizetype i) {
                return spaceExtra == 0
                           ? 0.0
                           : double(std::count(text.begin() + s, text.begin() + i, u' ')) * spaceExtra;
            };

            ++lineNo;
            const size_t firstItem = FItems.size();
            for (const TSegment& seg : segments) {
                if (seg.From > std::max(s, visibleEnd))
                    break;
                measureTo(size_t(&seg - segments.data()));
                const qsizetype a = std::max(s, seg.From);
                const qsizetype b = std::min(visibleEnd, seg.From + seg.Len);
                const bool emptyLine = visibleEnd == s && &seg == &segmentAt(s);
                if (a >= b && !emptyLine)
                    continue;
                TZpTextItem item;
                item.Line = lineNo;
                item.StartsLine = FItems.size() == firstItem;
                item.Style = seg.Style;
                item.X = x0 + xAt(a) - xAt(s) + spacesBefore(a);
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
                    const double dx = x0 + xAt(pa) - xAt(s) + spacesBefore(pa) - left;
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
                FItems.push_back(std::move(item));
            }
            int32_t ascent = 0, descent = 0;
            for (size_t i = firstItem; i < FItems.size(); ++i) {
                ascent = std::max(ascent, FItems[i].Ascent + std::max(0, FItems[i].Shift));
                descent = std::max(descent, FItems[i].Descent + std::max(0, -FItems[i].Shift));
            }
            for (size_t i = firstItem; i < FItems.size(); ++i)
                FItems[i].Top = lineTop + ascent - FItems[i].Ascent;
            lineTop += ascent + descent;

            // Leading correction 1 looks at the items up to the first of line 2.
            for (size_t i = firstItem; i < FItems.size() && !firstLeadingDone; ++i) {
                firstLeading = std::max(firstLeading, FItems[i].InternalLeading + 1);
                firstLeadingDone = i > 0 && FItems[i].StartsLine;
            }
            // Lines that the corrections leave below the visible area, moving
            // further down, need not be formatted at all.
            int64_t top = INT64_MAX;
            for (size_t i = firstItem; i < FItems.size(); ++i)
                top = std::min(top, correctedTop(FItems[i]));
            stop = lineNo >= 3 && top > visibleHeight && top > previousTop;
            previousTop = top;
            if (lineNo >= kMaxLines) {
                qCInfo(lcTextLayout) << "text cut after" << kMaxLines << "lines";
                stop = true;
            }
        }
    }

    FInkBounds = QRectF();
    FDecorated = false;
    for (TZpTextItem& item : FItems) {
        item.Top = int32_t(std::clamp<int64_t>(correctedTop(item), INT32_MIN / 2, INT32_MAX / 2));
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
