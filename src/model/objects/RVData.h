// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"
#include "model/objects/TextLayout.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace zp {

class TZpReader;
class TZpWriter;

/// One text style of a text object's style sheet.
struct TZpTextStyle {
    TColor Color = 0;
    QString FontName;
    int32_t Size = 10;  ///< points
    int32_t VShift = 0; ///< vertical shift in percent: 50 superscript, -50 subscript
    uint8_t Style = 0;  ///< TZpFontStyleBits, strike-out included
    friend bool operator==(const TZpTextStyle&, const TZpTextStyle&) = default;
};

/// A piece of text in one text style.
struct TZpRun {
    QString Text;
    int32_t Style = 0; ///< index into the text styles
    friend bool operator==(const TZpRun&, const TZpRun&) = default;
};

/// Runs that share one paragraph style (its number is the alignment).
struct TZpParagraph {
    int32_t ParaStyle = 0;
    std::vector<TZpRun> Runs;
    friend bool operator==(const TZpParagraph&, const TZpParagraph&) = default;
};

/// What a style change does to a text style (the editor's conversion kinds).
enum class TZpStyleChange : uint8_t {
    Font = 0, ///< face, size, colour and bold/italic/underline together
    Face = 1,
    Size = 2,
    Color = 3,
    AddBold = 6,
    AddItalic = 7,
    AddUnderline = 8,
    RemoveBold = 9,
    RemoveItalic = 10,
    RemoveUnderline = 11,
    ShiftNone = 12,
    ShiftUp = 13,
    ShiftDown = 14,
};

/// style with one change applied; value holds the face, size or colour the
/// change sets (the whole font for Font), the other kinds ignore it.
[[nodiscard]] TZpTextStyle ChangedTextStyle(const TZpTextStyle& style, TZpStyleChange change,
                                            const TZpTextStyle& value);

/// A text object's document: the style sheet (text styles and the four
/// paragraph styles), paragraphs of runs, the two leading corrections and
/// the formatted layout. Every change of the style sheet or the text goes
/// through the methods here, which is what lets the layout be reused until
/// something it depends on changes.
class TZpRVData {
public:
    TZpRVData();
    TZpRVData(const TZpRVData&) = delete;
    TZpRVData& operator=(const TZpRVData&) = delete;

    bool SkipFirstLeading = true;
    bool CustomLeading = false;
    int32_t CustomLeadingSize = 100; ///< tenths of a point

    [[nodiscard]] const std::vector<TZpTextStyle>& TextStyles() const { return FTextStyles; }
    void SetTextStyles(std::vector<TZpTextStyle> styles);
    /// The index of a style equal to style, added when there is none.
    int32_t FindOrAddTextStyle(const TZpTextStyle& style);
    /// Paragraph styles by their alignment: normally the four, index = alignment.
    [[nodiscard]] const std::vector<int32_t>& ParaStyles() const { return FParaStyles; }
    void SetParaStyles(std::vector<int32_t> alignments);
    /// The alignment of paragraph style index (left for one the sheet lacks).
    [[nodiscard]] int32_t Alignment(int32_t paraStyle) const;

    [[nodiscard]] const std::vector<TZpParagraph>& Paragraphs() const { return FParagraphs; }
    void SetParagraphs(std::vector<TZpParagraph> paragraphs);
    void Clear();
    /// Adds plain text; each line break (CR LF, LF or CR) starts a new
    /// paragraph. Empty text adds nothing.
    void AddText(const QString& text, int32_t style, int32_t paraStyle);
    /// The text without formatting, paragraphs separated by CR LF.
    [[nodiscard]] QString PlainText() const;
    [[nodiscard]] bool HasRuns() const;

    /// Applies a change to the text style of every run: each style used is
    /// replaced by one equal to it but for the change, found in the sheet or
    /// added. value is the face, size or colour the change sets (Face, Size,
    /// Color); the other kinds ignore it.
    void ChangeAllRuns(TZpStyleChange change, const TZpTextStyle& value);
    /// Every paragraph takes the paragraph style of that number (the first
    /// when the sheet has no such style).
    void SetAllParaStyles(int32_t paraStyle);
    /// Whether every run shares the attribute (true without runs).
    [[nodiscard]] bool IsUniform(bool (*same)(const TZpTextStyle&, const TZpTextStyle&)) const;

    /// The text section after the object's script block: text styles,
    /// paragraph styles, rotation, leading settings (ov > 14) and the content.
    /// False when the content could not be read; the styles and settings
    /// were read all the same and the paragraphs are empty.
    [[nodiscard]] bool LoadSection(TZpReader& reader, int32_t ov, int32_t& rotation);
    void SaveSection(TZpWriter& writer, int32_t rotation) const;
    /// Our content record (see the files README); false when bytes are not one
    /// or name a style the sheet lacks, leaving the paragraphs empty.
    [[nodiscard]] bool LoadContent(const QByteArray& bytes);
    [[nodiscard]] QByteArray SaveContent() const;

    /// Counts every change of the text or the style sheet.
    [[nodiscard]] uint64_t Revision() const { return FRevision; }
    /// The formatting of this document, kept between drawings.
    [[nodiscard]] TZpTextLayout& Layout() const { return FLayout; }

private:
    std::vector<TZpTextStyle> FTextStyles;
    std::vector<int32_t> FParaStyles;
    std::vector<TZpParagraph> FParagraphs;
    uint64_t FRevision = 0;
    mutable TZpTextLayout FLayout;
};

/// The attribute comparisons of the uniformity queries.
namespace TextAttr {
inline bool Color(const TZpTextStyle& a, const TZpTextStyle& b) {
    return a.Color == b.Color;
}
inline bool Name(const TZpTextStyle& a, const TZpTextStyle& b) {
    return a.FontName == b.FontName;
}
inline bool Size(const TZpTextStyle& a, const TZpTextStyle& b) {
    return a.Size == b.Size;
}
bool Bold(const TZpTextStyle& a, const TZpTextStyle& b);
bool Italic(const TZpTextStyle& a, const TZpTextStyle& b);
bool Underline(const TZpTextStyle& a, const TZpTextStyle& b);
} // namespace TextAttr

} // namespace zp
