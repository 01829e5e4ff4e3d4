// SPDX-License-Identifier: MIT
// 2.x text and bar code records.
#include "barcode/BarcodeObject.h"
#include "base/Errors.h"
#include "base/Rounding.h"
#include "base/ValueStream.h"
#include "legacy/LegacyImportContext.h"
#include "model/data/ZpData.h"
#include "model/objects/TextObject.h"
#include "settings/AppOptions.h"

#include <cmath>

namespace zp {

namespace {

int32_t PointsFromTwips(int32_t twips) {
    return int32_t(std::lround(twips * 72.0 / 1440.0)); // halves away from zero
}

int32_t LeadingTenths(int32_t twips) {
    return Round(twips * 72.0 / 1440.0 * 10);
}

uint8_t StyleBits(const TLegacyBlock& b) {
    uint8_t style = 0;
    if (b.Byte(55))
        style |= fsItalic;
    if (b.Byte(56))
        style |= fsUnderline;
    if (b.Byte(57))
        style |= fsStrikeOut;
    if (b.Int16(53) > 699)
        style |= fsBold;
    return style;
}

void SetSerial(IZpData& data, const TLegacyBlock& b, int base) {
    data.SetPadWidth(b.Byte(base));
    const uint8_t pad = b.Byte(base + 1);
    data.SetPadChar(pad == 0 ? QStringLiteral(" ") : pad == 1 ? QStringLiteral("0") : QString());
    data.SetSerialPrefix(b.Text(base + 2, 11));
    data.SetSerialSuffix(b.Text(base + 40, 11));
    data.SetRepeatCount(b.UInt16(base + 51));
    data.SetSerialIncrement(b.Int16(base + 53));
}

TRect CutBand(const TRect& r, int32_t rotation, int32_t s) {
    switch (rotation) {
    case 90:
        return {r.Left, r.Top, r.Left + s, r.Bottom};
    case 180:
        return {r.Left, r.Bottom - s, r.Right, r.Bottom};
    case 270:
        return {r.Right - s, r.Top, r.Right, r.Bottom};
    default:
        return {r.Left, r.Top, r.Right, r.Top + s};
    }
}

TRect RestOf(const TRect& band, const TRect& start, int32_t rotation) {
    switch (rotation) {
    case 90:
        return {band.Right, start.Top, start.Right, start.Bottom};
    case 180:
        return {start.Left, start.Top, start.Right, band.Top};
    case 270:
        return {start.Left, start.Top, band.Left, start.Bottom};
    default:
        return {start.Left, band.Bottom, start.Right, start.Bottom};
    }
}

// Builds the text from the formatted-text block, splitting the object where
// the line spacing changes. Returns the object that holds the last lines.
std::shared_ptr<TZpTextObject> BuildDocument(TLegacyImportContext& c, std::shared_ptr<TZpTextObject> obj,
                                             const TLegacyBlock& content) {
    const int32_t alignment = obj->Font().GetAlignment();
    const TRect start = obj->GetBounds();
    const int32_t rotation = obj->GetRotation();
    TZpTextStyle font = obj->RVData().TextStyles().front();
    int32_t style = 0;
    QString dataText;
    QByteArray pending; // bytes of the old code page
    std::vector<TZpParagraph> paragraphs{TZpParagraph{alignment, {}}};
    auto flush = [&] {
        if (pending.isEmpty())
            return;
        const QString text = DecodeWindows1252(pending);
        dataText += text;
        paragraphs.back().Runs.push_back(TZpRun{text, style});
        pending.clear();
    };
    auto finish = [&] {
        flush();
        obj->Data().SetText(dataText);
        obj->RVData().SetParagraphs(paragraphs);
    };
    const QByteArray& bytes = content.Bytes();
    const int size = int(bytes.size());
    int32_t previous = 0;
    int pos = 0;
    while (pos + 10 <= size) {
        const TLegacyBlock header(bytes.mid(pos, 10));
        pos += 10;
        const int length = std::min<int>(header.UInt16(0), size - pos);
        const int32_t spacing = header.UInt16(4);
        if (spacing != previous && previous != 0 && length > 0) {
            finish();
            obj->SetBounds(CutBand(obj->GetBounds(), rotation, previous));
            c.Objects.push_back(obj);
            auto clone = std::dynamic_pointer_cast<TZpTextObject>(obj->Clone());
            clone->SetCustomLeadingSize(LeadingTenths(spacing));
            clone->SetBounds(RestOf(obj->GetBounds(), start, rotation));
            obj = clone;
            dataText.clear();
            paragraphs = {TZpParagraph{alignment, {}}};
        }
        previous = spacing;
        const int end = pos + length;
        while (pos < end) {
            const auto ch = uint8_t(bytes.at(pos++));
            if (ch == 0)
                continue;
            if (ch != 1) {
                pending += char(ch);
                continue;
            }
            if (pos >= end)
                break;
            const char code = bytes.at(pos++);
            flush();
            const TLegacyBlock rest(bytes.mid(pos, end - pos));
            switch (code) {
            case 'B':
                font.Style |= fsBold;
                break;
            case 'b':
                font.Style &= ~fsBold;
                break;
            case 'I':
                font.Style |= fsItalic;
                break;
            case 'i':
                font.Style &= ~fsItalic;
                break;
            case 'U':
                font.Style |= fsUnderline;
                break;
            case 'u':
                font.Style &= ~fsUnderline;
                break;
            case 'T':
                font.Style |= fsStrikeOut;
                break;
            case 't':
                font.Style &= ~fsStrikeOut;
                break;
            case 'S':
                font.Size = PointsFromTwips(rest.UInt16(0));
                pos = std::min(end, pos + 2);
                break;
            case 'F':
                font.FontName = rest.Text(3, 32);
                pos = std::min(end, pos + 35);
                break;
            case 'L':
                pos = std::min(end, pos + 2);
                continue;
            default:
                --pos;
                continue; // the unknown code byte is read as text
            }
            style = obj->RVData().FindOrAddTextStyle(font);
        }
        flush();
        if (header.Byte(6) == 13 && length > 0)
            paragraphs.push_back(TZpParagraph{0, {}});
    }
    finish();
    return obj;
}

} // namespace

void ConvertLegacyText(TLegacyImportContext& c) {
    const TLegacyBlock b = c.Reader.Block(253, "text record");
    c.Reader.Skip(32, "text record");
    c.TextSeen = true;
    if (b.Byte(221) || b.Byte(222))
        c.SlideSeen = true;
    auto obj = std::make_shared<TZpTextObject>();
    TZpFont& font = obj->Font();
    font.SetStyle(0);
    TZpData& data = obj->Data();
    data.SetConnections(&c.Connections);
    c.EnterName(b.Int32(1), b.Text(234, 16));
    const uint8_t kind = b.Byte(33);
    SetLegacyDataKind(c, data, b, kind, 219);
    if (kind == 4) {
        SetSerial(data, b, 159);
        const int32_t start = LegacyStrToInt(b.Text(172, 27));
        data.SetSerialStart(start);
        data.SetSerialValue(start);
    }
    if (kind == 3)
        data.SetPromptCaption(b.Text(234, 16));
    data.SetName(b.Text(234, 16));
    UpdateLegacyData(data);
    font.SetColor(TColor(b.Int32(104)));
    font.SetName(b.Text(63, 32));
    font.SetStyle(StyleBits(b));
    static constexpr uint8_t kAlign[] = {taCenter, taLeft, taRight, taJustify};
    if (b.Byte(34) <= 3)
        font.SetAlignment(kAlign[b.Byte(34)]);
    font.SetSize(PointsFromTwips(b.Int16(45)));
    obj->RVData().SetTextStyles({obj->FontStyle()});
    obj->SetSkipFirstLeading(true);
    obj->SetCustomLeading(true);
    obj->SetCustomLeadingSize(LeadingTenths(b.Int16(43)));
    obj->SetSizing(0);
    obj->SetBounds(b.Rect(5));
    obj->SetRotationExact(b.Byte(103) * 90);
    TZpFillStyle& fill = obj->FillStyle();
    fill.SetColor(TColor(b.Int32(108)));
    const bool clear = AppOptions().Import2xTextClear;
    fill.SetStyle(clear ? bsClear : bsSolid);
    fill.SetTransparent(clear);
    if (b.Byte(250) == 0) {
        const TLegacyBlock head = c.Reader.Block(6, "formatted text");
        c.Reader.Skip(16, "formatted text");
        const TLegacyBlock content = c.Reader.Block(head.UInt16(4), "formatted text");
        const std::shared_ptr<TZpTextObject> first = obj;
        if (kind != 4)
            obj = BuildDocument(c, obj, content);
        first->RVData().SetAllParaStyles(first->Font().GetAlignment());
    }
    c.Objects.push_back(std::move(obj));
}

} // namespace zp
