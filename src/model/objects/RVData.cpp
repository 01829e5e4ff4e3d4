// SPDX-License-Identifier: MIT
#include "model/objects/RVData.h"

#include "model/objects/Interfaces.h"

#include <algorithm>

namespace zp {

namespace TextAttr {
bool Bold(const TZpTextStyle& a, const TZpTextStyle& b) {
    return ((a.Style ^ b.Style) & fsBold) == 0;
}
bool Italic(const TZpTextStyle& a, const TZpTextStyle& b) {
    return ((a.Style ^ b.Style) & fsItalic) == 0;
}
bool Underline(const TZpTextStyle& a, const TZpTextStyle& b) {
    return ((a.Style ^ b.Style) & fsUnderline) == 0;
}
} // namespace TextAttr

namespace {

// The whole style set of a font, strike-out included: a rebuilt text takes
// all of it.
constexpr uint8_t kFontStyleBits = fsBold | fsItalic | fsUnderline | fsStrikeOut;

TZpTextStyle Changed(TZpTextStyle style, TZpStyleChange change, const TZpTextStyle& value) {
    switch (change) {
    case TZpStyleChange::Font:
        style.FontName = value.FontName;
        style.Size = value.Size;
        style.Color = value.Color;
        style.Style = uint8_t((style.Style & ~kFontStyleBits) | (value.Style & kFontStyleBits));
        break;
    case TZpStyleChange::Face:
        style.FontName = value.FontName;
        break;
    case TZpStyleChange::Size:
        style.Size = value.Size;
        break;
    case TZpStyleChange::Color:
        style.Color = value.Color;
        break;
    case TZpStyleChange::AddBold:
        style.Style |= fsBold;
        break;
    case TZpStyleChange::AddItalic:
        style.Style |= fsItalic;
        break;
    case TZpStyleChange::AddUnderline:
        style.Style |= fsUnderline;
        break;
    case TZpStyleChange::RemoveBold:
        style.Style &= uint8_t(~fsBold);
        break;
    case TZpStyleChange::RemoveItalic:
        style.Style &= uint8_t(~fsItalic);
        break;
    case TZpStyleChange::RemoveUnderline:
        style.Style &= uint8_t(~fsUnderline);
        break;
    case TZpStyleChange::ShiftNone:
        style.VShift = 0;
        break;
    case TZpStyleChange::ShiftUp:
        style.VShift = 50;
        break;
    case TZpStyleChange::ShiftDown:
        style.VShift = -50;
        break;
    }
    return style;
}

} // namespace

TZpRVData::TZpRVData() : FParaStyles{taLeft, taRight, taCenter, taJustify} {}

void TZpRVData::SetTextStyles(std::vector<TZpTextStyle> styles) {
    FTextStyles = std::move(styles);
    ++FRevision;
}

int32_t TZpRVData::FindOrAddTextStyle(const TZpTextStyle& style) {
    const auto it = std::find(FTextStyles.begin(), FTextStyles.end(), style);
    if (it != FTextStyles.end())
        return int32_t(it - FTextStyles.begin());
    FTextStyles.push_back(style);
    ++FRevision;
    return int32_t(FTextStyles.size() - 1);
}

void TZpRVData::SetParaStyles(std::vector<int32_t> alignments) {
    FParaStyles = std::move(alignments);
    ++FRevision;
}

int32_t TZpRVData::Alignment(int32_t paraStyle) const {
    if (paraStyle < 0 || size_t(paraStyle) >= FParaStyles.size())
        return taLeft;
    return FParaStyles[size_t(paraStyle)];
}

void TZpRVData::SetParagraphs(std::vector<TZpParagraph> paragraphs) {
    FParagraphs = std::move(paragraphs);
    ++FRevision;
}

void TZpRVData::Clear() {
    FParagraphs.clear();
    ++FRevision;
}

void TZpRVData::AddText(const QString& text, int32_t style, int32_t paraStyle) {
    ++FRevision;
    if (text.isEmpty())
        return;
    qsizetype start = 0;
    for (qsizetype i = 0;; ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != u'\r' && text[i] != u'\n')
            continue;
        FParagraphs.push_back(TZpParagraph{paraStyle, {TZpRun{text.mid(start, i - start), style}}});
        if (end)
            break;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
}

QString TZpRVData::PlainText() const {
    QString text;
    for (size_t p = 0; p < FParagraphs.size(); ++p) {
        if (p > 0)
            text += QStringLiteral("\r\n");
        for (const TZpRun& run : FParagraphs[p].Runs)
            text += run.Text;
    }
    return text;
}

bool TZpRVData::HasRuns() const {
    return std::any_of(FParagraphs.begin(), FParagraphs.end(),
                       [](const TZpParagraph& p) { return !p.Runs.empty(); });
}

TZpTextStyle ChangedTextStyle(const TZpTextStyle& style, TZpStyleChange change, const TZpTextStyle& value) {
    return Changed(style, change, value);
}

void TZpRVData::ChangeAllRuns(TZpStyleChange change, const TZpTextStyle& value) {
    // Each style in use is converted once; runs naming a style the sheet
    // lacks are left alone (they draw in the first style).
    std::vector<int32_t> converted(FTextStyles.size(), -1);
    for (TZpParagraph& paragraph : FParagraphs)
        for (TZpRun& run : paragraph.Runs) {
            if (run.Style < 0 || size_t(run.Style) >= converted.size())
                continue;
            int32_t& target = converted[size_t(run.Style)];
            if (target < 0)
                target = FindOrAddTextStyle(Changed(FTextStyles[size_t(run.Style)], change, value));
            run.Style = target;
        }
    ++FRevision;
}

void TZpRVData::SetAllParaStyles(int32_t paraStyle) {
    // An alignment the sheet has no style for (a damaged font record) would
    // be saved as an index that the content record cannot name.
    if (paraStyle < 0 || size_t(paraStyle) >= FParaStyles.size())
        paraStyle = 0;
    for (TZpParagraph& paragraph : FParagraphs)
        paragraph.ParaStyle = paraStyle;
    ++FRevision;
}

bool TZpRVData::IsUniform(bool (*same)(const TZpTextStyle&, const TZpTextStyle&)) const {
    const TZpTextStyle* first = nullptr;
    for (const TZpParagraph& paragraph : FParagraphs)
        for (const TZpRun& run : paragraph.Runs) {
            if (run.Style < 0 || size_t(run.Style) >= FTextStyles.size())
                continue;
            const TZpTextStyle& style = FTextStyles[size_t(run.Style)];
            if (!first)
                first = &style;
            else if (!same(*first, style))
                return false;
        }
    return true;
}

} // namespace zp
