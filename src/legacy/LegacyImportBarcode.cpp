// SPDX-License-Identifier: MIT
// 2.x bar code records.
#include "barcode/BarcodeObject.h"
#include "base/Rounding.h"
#include "legacy/LegacyImportContext.h"
#include "model/data/ZpData.h"
#include "settings/AppOptions.h"

#include <cmath>

namespace zp {

namespace {

// The bar code engine's escapes for the bytes that are not plain text.
QString DataText(const TLegacyBlock& b) {
    const QByteArray& bytes = b.Bytes();
    QString text;
    for (int i = 143; i < 143 + 61 && i < bytes.size(); ++i) {
        const auto ch = uint8_t(bytes.at(i));
        if (ch == 0)
            break;
        if (ch >= 32 && ch <= 127)
            text += QChar(ch);
        else if (ch == 128)
            text += QStringLiteral("\\000");
        else if (ch >= 129 && ch <= 132)
            text += QStringLiteral("\\F%1").arg(ch - 128);
        else
            text += QStringLiteral("\\%1").arg(ch, 3, 10, QLatin1Char('0'));
    }
    return text;
}

void Ratio(IZpBarcode& bc, uint8_t o1) {
    if (o1 <= 2)
        bc.SetWideToNarrow(2.0f + 0.5f * o1);
}

void SetSymbology(IZpBarcode& bc, IZpData& data, const TLegacyBlock& b) {
    const uint8_t code = b.Byte(204);
    const uint8_t o1 = b.Byte(212), o2 = b.Byte(213), o3 = b.Byte(214), o4 = b.Byte(215), o5 = b.Byte(216);
    switch (code) {
    case 0:
    case 1:
        bc.SetSymbology(code);
        Ratio(bc, o1);
        bc.SetCheckDigit(o2);
        bc.SetShowCheckDigit(o3);
        bc.SetShowStartStop(o4);
        break;
    case 2:
    case 3:
    case 4:
        bc.SetSymbology(code + 2);
        bc.SetDescenders(o1);
        bc.SetShowNumberSystem(o2);
        bc.SetShowCheckDigit(o3);
        bc.SetExtendSupplement(o4);
        bc.SetShowMfrProdSpace(o5);
        break;
    case 5:
    case 6:
        bc.SetSymbology(code + 2);
        bc.SetDescenders(o1);
        bc.SetExtendSupplement(o2);
        break;
    case 7:
        bc.SetSymbology(9);
        bc.SetShowISBN(o1);
        bc.SetExtendSupplement(o2);
        bc.SetAppendGreaterThan(o3);
        break;
    case 8:
        bc.SetSymbology(AppOptions().ImportITF14 ? 19 : 10);
        Ratio(bc, o1);
        if (o2 == 1 || o2 == 2) {
            bc.SetI25CheckDigitType(o2 - 1);
            bc.SetCheckDigit(true);
        } else {
            bc.SetCheckDigit(false);
        }
        bc.SetShowCheckDigit(o3);
        bc.SetGuardBars(o4);
        break;
    case 9:
        bc.SetSymbology(2);
        break;
    case 10:
        bc.SetSymbology(3);
        bc.SetCheckDigit(o1);
        break;
    case 11:
    case 12:
        bc.SetSymbology(code);
        if (o1 == 0)
            bc.SetWideToNarrow(2.0f);
        if (o1 == 2)
            bc.SetWideToNarrow(3.0f);
        bc.SetShowStartStop(o2);
        bc.SetCodabarStart(o3);
        bc.SetCodabarStop(o4);
        break;
    case 13:
        bc.SetSymbology(13);
        bc.SetCheckDigit(o1 == 1);
        bc.SetFirstCheckMod11(o2 == 1);
        bc.SetShowCheckDigit(o3 == 1 || o3 == 3);
        bc.SetShowCheckDigit2(o3 == 2 || o3 == 3);
        break;
    case 14:
        bc.SetSymbology(14);
        bc.SetShowCheckDigit(o1);
        break;
    case 15:
        bc.SetSymbology(15);
        break;
    case 16:
        bc.SetSymbology(16);
        bc.SetCheckDigit(o1 == 1);
        bc.SetShowCheckDigit(o2);
        break;
    case 17:
        bc.SetSymbology(17);
        break;
    case 18:
        bc.SetSymbology(18);
        if (o1 <= 3)
            data.SetText(QString(QChar(u'A' + o1)));
        break;
    default:
        break;
    }
}

} // namespace

void ConvertLegacyBarcode(TLegacyImportContext& c) {
    const TLegacyBlock b = c.Reader.Block(329, "bar code record");
    c.Reader.Skip(32, "bar code record");
    auto obj = std::make_shared<TZpBarcodeObject>();
    TZpData& data = obj->Data();
    data.SetConnections(&c.Connections);
    const QString name = b.Text(126, 16);
    c.EnterName(b.Int32(1), name);
    data.SetText(DataText(b));
    const uint8_t kind = b.Byte(33);
    SetLegacyDataKind(c, data, b, kind, 299);
    if (kind == 3)
        data.SetPromptCaption(name);
    if (kind == 4) {
        data.SetPadWidth(b.Byte(239));
        const uint8_t pad = b.Byte(240);
        data.SetPadChar(pad == 0 ? QStringLiteral(" ") : pad == 1 ? QStringLiteral("0") : QString());
        data.SetSerialPrefix(b.Text(241, 11));
        data.SetSerialSuffix(b.Text(279, 11));
        data.SetRepeatCount(b.UInt16(290));
        data.SetSerialIncrement(b.Int16(292));
        const QString start = b.Text(252, 27);
        bool decimal = false;
        int32_t value = start.toInt(&decimal, 10);
        if (!decimal) {
            // Letters in front of the number belong to the prefix.
            const QString number = start.right(9);
            data.SetSerialPrefix(data.GetSerialPrefix() + start.left(start.size() - number.size()));
            data.SetPadWidth(int32_t(number.size()));
            data.SetPadChar(QStringLiteral("0"));
            value = LegacyStrToInt(number);
        }
        data.SetSerialStart(value);
        data.SetSerialValue(value);
    }
    data.SetName(name);
    UpdateLegacyData(data);
    TZpFont& font = obj->Font();
    font.SetColor(TColor(b.Int32(104)));
    font.SetName(b.Text(63, 32));
    uint8_t style = 0;
    if (b.Byte(55))
        style |= fsItalic;
    if (b.Byte(56))
        style |= fsUnderline;
    if (b.Byte(57))
        style |= fsStrikeOut;
    if (b.Int16(53) > 699)
        style |= fsBold;
    font.SetStyle(style);
    static constexpr uint8_t kAlign[] = {taCenter, taLeft, taRight};
    if (b.Byte(142) <= 2)
        font.SetAlignment(kAlign[b.Byte(142)]);
    font.SetSize(int32_t(std::lround(b.Int16(45) * 72.0 / 1440.0)));
    IZpBarcode& bc = *obj;
    bc.SetPreamble(b.Text(306, 11));
    bc.SetPostamble(b.Text(317, 11));
    SetSymbology(bc, data, b);
    bc.SetShowHumanReadable(b.Byte(207) != 0);
    bc.SetHRPosition(b.Byte(206) != 0 ? 0 : 1);
    const TRect rect = b.Rect(5);
    obj->SetRotationExact(b.Byte(103) * 90);
    obj->SetSizing(0);
    obj->SetTrackRect(rect);
    obj->SetBounds(rect);
    // Without the resolution the module width has no length; keep the default.
    if (c.PrinterDpi > 0)
        bc.SetDensity(Round(1440.0 / c.PrinterDpi * b.Byte(205)));
    bc.SetSpaceAdjust(b.Int16(224));
    bc.SetBarAdjust(b.Int16(222));
    bc.SetHRSpacing(b.Int16(208));
    bc.SetHeight(b.Int16(210));
    c.Objects.push_back(std::move(obj));
}

} // namespace zp
