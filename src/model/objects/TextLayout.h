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
    void Format(const TZpRVData& doc, int32_t width, int32_t visibleHeight, int dpi);
    /// Draws the items on a painter already in document coordinates.
    /// Draws the glyphs, moved by offset.
    void Paint(QPainter& painter, QPointF offset = {}) const;

    [[nodiscard]] const std::vector<TZpTextItem>& Items() const { return FItems; }
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
        bool SkipFirstLeading = false, CustomLeading = false;
        const void* Doc = nullptr;
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    struct TFontEntry;
    /// The fonts of the styles formatted lately: a merge formats the same
    /// styles for every record, and finding a font is dear.
    const TFontEntry& FontFor(const TZpTextStyle& style, int dpi);

    TKey FKey;
    std::vector<std::unique_ptr<TFontEntry>> FFonts;
    std::vector<TZpTextItem> FItems;
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
