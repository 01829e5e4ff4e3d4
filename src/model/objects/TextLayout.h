// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

namespace zp {

class TZpRVData;
struct TZpTextStyle;

/// Glyphs of one drawing item, placed relative to the item's baseline.
struct TZpGlyphPiece {
    QPointF Offset; ///< x in document coordinates; y from the item's baseline
    QGlyphRun Glyphs;
    /// The characters and font of the glyphs when they are all one run of
    /// left-to-right text; empty otherwise. A recorded page (a preview
    /// picture) stores text as text from these, where glyphs would be stored
    /// as outlines, a hundred times larger.
    QString Text;
    QFont Font;
};

/// A piece of one line in one text style, as formatting left it.
struct TZpTextItem {
    int32_t Line = 1; ///< line number, from 1
    bool StartsLine = false;
    int32_t Style = 0;  ///< text style index
    double X = 0;       ///< left edge, document coordinates
    int32_t Top = 0;    ///< top of the item's font cell, after the leading corrections
    int32_t Ascent = 0; ///< metrics of the item's own font, label pixels
    int32_t Descent = 0;
    int32_t InternalLeading = 0;
    int32_t ExternalLeading = 0;
    int32_t Shift = 0; ///< superscript (up) or subscript (down) in label pixels
    QColor Color;
    std::vector<TZpGlyphPiece> Pieces;
};

/// One formatted line, kept for an editor that shows a caret on it.
struct TZpTextLine {
    int32_t Paragraph = 0;
    qsizetype From = 0,
              To = 0; ///< the paragraph's characters [From, To) on the line, trailing spaces included
    int32_t Top = 0;  ///< after the leading corrections, label pixels
    int32_t Height = 0;
    size_t FirstItem = 0, ItemCount = 0;
    std::vector<double> CaretX; ///< the caret's x before character From + i, for i = 0 .. To - From
};

/// A caret position: a paragraph and a character offset in it.
struct TZpTextPosition {
    int32_t Paragraph = 0;
    qsizetype Offset = 0;
    friend bool operator==(const TZpTextPosition&, const TZpTextPosition&) = default;
};

/// The formatting of a text document: line breaking at the delimiters, the
/// alignment, the leading corrections and the glyphs to draw. Everything is
/// computed once in label pixels with hinting off, from the fonts alone and
/// never from a painter, so line breaks and glyph positions are the same on
/// every device; a painter only maps them. The result is kept until the
/// document or the formatting parameters change.
class TZpTextLayout {
public:
    TZpTextLayout();
    ~TZpTextLayout();
    TZpTextLayout(const TZpTextLayout&) = delete;
    TZpTextLayout& operator=(const TZpTextLayout&) = delete;

    /// Formats doc to a wrapping width in label pixels at dpi label pixels
    /// per inch. Lines wholly below visibleHeight (after the corrections) may
    /// be left out. Nothing is done when nothing changed since the last call.
    /// With carets the lines and their caret positions are kept too (Lines()).
    /// Formatting is three steps: each paragraph is cut into measuring
    /// segments, its lines are broken and placed under the lines before, and
    /// the leading corrections move the placed items last.
    void Format(const TZpRVData& doc, int32_t width, int32_t visibleHeight, int dpi, bool carets = false);
    /// Draws the items on a painter already in document coordinates.
    /// Draws the glyphs, moved by offset.
    void Paint(QPainter& painter, QPointF offset = {}) const;

    [[nodiscard]] const std::vector<TZpTextItem>& Items() const { return FItems; }
    /// The lines of the last formatting with carets, in order; empty without.
    [[nodiscard]] const std::vector<TZpTextLine>& Lines() const { return FLines; }
    /// The line that shows the caret before character offset of paragraph
    /// (at a wrap, the line that starts there), or null.
    [[nodiscard]] const TZpTextLine* LineOf(int32_t paragraph, qsizetype offset) const;
    /// The caret position nearest a point in document coordinates.
    [[nodiscard]] TZpTextPosition PositionAt(QPointF point) const;
    /// Where the glyphs put ink, in the coordinates Paint draws in (before
    /// its offset); empty when nothing is drawn.
    [[nodiscard]] QRectF InkBounds() const { return FInkBounds; }
    /// Whether any glyphs carry an underline, overline or strike-out, whose
    /// lines reach past the glyphs' own ink.
    [[nodiscard]] bool Decorated() const { return FDecorated; }
    /// How often the document was actually formatted (not taken from the cache).
    [[nodiscard]] int FormatCount() const { return FFormatCount; }

private:
    struct TKey {
        uint64_t Revision = ~uint64_t(0);
        int32_t Width = 0, VisibleHeight = 0, Dpi = 0, CustomLeadingSize = 0;
        bool SkipFirstLeading = false, CustomLeading = false, Carets = false;
        const void* Doc = nullptr;
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    struct TPlacer;
    struct TFontEntry;
    /// The font of a style at a dpi, kept from one formatting to the next
    /// (a print run formats the same styles for every record).
    const TFontEntry& FontFor(const TZpTextStyle& style, int dpi);
    TKey FKey;
    std::vector<std::unique_ptr<TFontEntry>> FFonts;
    std::vector<TZpTextItem> FItems;
    std::vector<TZpTextLine> FLines;
    QRectF FInkBounds;
    bool FDecorated = false;
    int FFormatCount = 0;
};

/// Finds where lines end in a paragraph's text: breaks follow a space, full
/// stop, semicolon, comma, colon, parenthesis, brace, double quote, slash or
/// backslash; spaces at a break hang past the width; a word wider than the
/// line is broken between characters. advance(a, b) is the width of text[a, b).
class TZpLineBreaker {
public:
    TZpLineBreaker(const QString& text, double width, std::function<double(qsizetype, qsizetype)> advance);
    /// The start of the line after the one starting at s (the text's size at the end).
    [[nodiscard]] qsizetype NextLine(qsizetype s) const;

private:
    [[nodiscard]] qsizetype Trimmed(qsizetype s, qsizetype e) const;
    const QString& FText;
    double FLimit;
    std::function<double(qsizetype, qsizetype)> FAdvance;
    std::vector<qsizetype> FNextBreak;
};

/// The start of each line after the first, by TZpLineBreaker.
[[nodiscard]] std::vector<qsizetype> BreakLines(const QString& text, double width,
                                                const std::function<double(qsizetype, qsizetype)>& advance);

} // namespace zp
