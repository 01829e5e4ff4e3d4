// SPDX-License-Identifier: MIT
#include "barcode/BarcodeObject.h"

#include "barcode/Barcode.h"
#include "barcode/EanUpcFont.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "base/ValueStream.h"
#include "model/objects/TextObject.h"
#include "platform/store/SettingsStore.h"

namespace zp {

TZpBarcodeObject::TZpBarcodeObject() {
    // Before any face name is checked: a rotated UPC symbol must find its face an outline one.
    RegisterEanUpcFont();
    const QString section = QStringLiteral("Bar Code Settings");
    const TZpSettingsStore& s = ZpStore();
    auto flag = [&](const char* name, bool def) { return s.ReadBool(section, QLatin1String(name), def); };
    auto number = [&](const char* name, int def) { return s.ReadInteger(section, QLatin1String(name), def); };
    // A damaged settings file gives the default, never an impossible setting.
    auto ranged = [&](const char* name, int def, int lo, int hi) {
        return s.ReadIntegerIn(section, QLatin1String(name), def, lo, hi);
    };
    auto inches = [&](const char* name, double def) {
        return Round(s.ReadFloat(section, QLatin1String(name), def) * LabelDPI());
    };
    Symbology = uint8_t(ranged("Type", 1, 0, kBarcodeTypeCount - 1));
    Density = inches("Density", 0.01);
    Height = inches("Height", 0.5);
    HRSpacing = inches("Human Readable Spacing", 0);
    BarAdjust = number("Bar Adjust", 0);
    SpaceAdjust = number("Space Adjust", 0);
    WideToNarrow = float(ranged("Wide to Narrow", 30, 20, 30)) / 10.0f;
    CheckDigit = flag("Check Digit", false);
    ShowHumanReadable = flag("Show Human Readable", true);
    ShowStartStop = flag("Show Start Stop", false);
    ShowCheckDigit = flag("Show Check Digit", false);
    ShowCheckDigit2 = flag("Show Check Digit2", false);
    Descenders = flag("Descenders", true);
    ShowNumberSystem = flag("Show Number System", true);
    ExtendSupplement = flag("Extend Supplement", true);
    ShowMfrProdSpace = flag("Show Mfr Prod Space", true);
    ShowISBN = flag("Show ISBN", false);
    AppendGreaterThan = flag("Append Greater Than", false);
    FirstCheckMod11 = flag("First Check Mod 11", false);
    HRPosition = uint8_t(ranged("Human Readable Position", 1, 0, 1));
    I25CheckDigitType = uint8_t(ranged("Int 2 of 5 Check Digit Type", 1, 0, 1));
    CodabarStart = uint8_t(ranged("Codabar Start", 0, 0, 3));
    CodabarStop = uint8_t(ranged("Codabar Stop", 0, 0, 3));
    GuardBars = flag("Guard Bars", false);
    Preamble = s.ReadString(section, QStringLiteral("Preamble"), QString());
    Postamble = s.ReadString(section, QStringLiteral("Postamble"), QString());
    UCCFormatting = flag("UCC Formatting", false);
    FData.SetKind(dkStaticText);
    FData.SetText(s.ReadString(section, QStringLiteral("Default Text"), QStringLiteral("12345")));
    FFont.SetAlignment(uint8_t(number("Font Alignment", taCenter)));
    FFont.SetName(s.ReadString(section, QStringLiteral("Font Name"), QStringLiteral("Arial")));
    FFont.SetBold(flag("Font Bold", false));
    FFont.SetItalic(flag("Font Italic", false));
    FFont.SetUnderline(flag("Font Underline", false));
    FFont.SetSize(ranged("Font Size", 10, 1, 999));
    FFont.SetColor(TColor(number("Font Color", 0)));

    // Sized to the symbol; the text band is the font's size until the first drawing measures it.
    FBounds.Right = FBounds.Left + SymbolWidth();
    FBounds.Bottom = FBounds.Top + Height;
    if (ShowHumanReadable)
        FBounds.Bottom += Round(FFont.GetSize() * double(LabelDPI()) / 72.0) + HRSpacing;
}

void* TZpBarcodeObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpFont))
        return static_cast<IZpFont*>(&FFont);
    if (iid == typeid(IZpData))
        return static_cast<IZpData*>(&FData);
    if (iid == typeid(IZpScript))
        return static_cast<IZpScript*>(&FScript);
    if (iid == typeid(IZpRotation))
        return static_cast<IZpRotation*>(this);
    if (iid == typeid(IZpPaint))
        return static_cast<IZpPaint*>(this);
    if (iid == typeid(IZpBarcode))
        return static_cast<IZpBarcode*>(this);
    if (iid == typeid(IZpDataCallback))
        return static_cast<IZpDataCallback*>(this);
    if (iid == typeid(IZpEdit))
        return static_cast<IZpEdit*>(this);
    return TZpObject::QueryInterface(iid);
}

void TZpBarcodeObject::BeginEdit(QWidget* parent, const TRect& rect) {
    if (!FEditor)
        FEditor = CreatePlainEditor(parent, rect, FData.GetText());
}

void TZpBarcodeObject::EndEdit() {
    if (!FEditor)
        return;
    const std::unique_ptr<IZpPlainEditor> editor = std::move(FEditor);
    const QString text = editor->Text();
    editor->Close();
    const TBarcodeOptions options = GetOptions();
    std::string data = options.Preamble;
    data += BarcodeBytes(text);
    data += options.Postamble;
    if (ValidateBarcodeData(options, data, true))
        FData.SetText(text);
}

void TZpBarcodeObject::Cut() {
    if (FEditor)
        FEditor->Cut();
}

void TZpBarcodeObject::Copy() {
    if (FEditor)
        FEditor->Copy();
}

void TZpBarcodeObject::Paste() {
    if (FEditor)
        FEditor->Paste();
}

TBarcodeOptions TZpBarcodeObject::GetOptions() const {
    TBarcodeOptions o;
    o.Symbology = Symbology;
    o.CheckDigit = CheckDigit;
    o.WideToNarrow = WideToNarrow;
    o.GuardBars = GuardBars;
    o.Density = Density;
    o.Height = Height;
    o.HRSpacing = HRSpacing;
    o.SpaceAdjust = SpaceAdjust;
    o.BarAdjust = BarAdjust;
    o.Preamble = BarcodeBytes(Preamble);
    o.Postamble = BarcodeBytes(Postamble);
    o.I25CheckDigitType = I25CheckDigitType;
    o.CodabarStart = CodabarStart;
    o.CodabarStop = CodabarStop;
    o.Descenders = Descenders;
    o.ShowNumberSystem = ShowNumberSystem;
    o.ExtendSupplement = ExtendSupplement;
    o.ShowMfrProdSpace = ShowMfrProdSpace;
    o.ShowISBN = ShowISBN;
    o.AppendGreaterThan = AppendGreaterThan;
    o.FirstCheckMod11 = FirstCheckMod11;
    o.UCCFormatting = UCCFormatting;
    o.ShowHumanReadable = ShowHumanReadable;
    o.HRPosition = HRPosition;
    o.ShowStartStop = ShowStartStop;
    o.ShowCheckDigit = ShowCheckDigit;
    o.ShowCheckDigit2 = ShowCheckDigit2;
    o.FontName = FFont.GetName();
    o.FontSize = FFont.GetSize();
    o.FontColor = FFont.GetColor();
    o.FontStyle = FFont.GetStyle();
    o.FontAlignment = FFont.GetAlignment();
    return o;
}

void TZpBarcodeObject::Draw(QPainter& canvas) {
    TRect r = FBounds;
    DrawBarcode(canvas, BarcodeBytes(FData.GetText()), r, GetOptions(), Rotation);
    FBounds = r;
}

void TZpBarcodeObject::SetSymbology(uint8_t value) {
    if (value == Symbology)
        return;
    Symbology = value;
    ShowHumanReadable = true;
    HRPosition = 1;
}

void TZpBarcodeObject::SetRotation(int32_t degrees) {
    if (degrees != Rotation && TurnObject(*this, FFont.GetName(), Rotation, degrees))
        Rotation = degrees;
}

void TZpBarcodeObject::LoadFromStream(TZpReader& r) {
    TZpObject::LoadFromStream(r);
    FFont.LoadFromStream(r);
    FData.LoadFromStream(r, FVersion);
    if (FVersion > 16)
        FScript.LoadFromStream(r);
    Symbology = uint8_t(r.ReadInteger());
    CheckDigit = r.ReadBool();
    Density = r.ReadInteger();
    Height = r.ReadInteger();
    Descenders = r.ReadBool();
    ShowNumberSystem = r.ReadBool();
    ExtendSupplement = r.ReadBool();
    ShowMfrProdSpace = r.ReadBool();
    ShowISBN = r.ReadBool();
    AppendGreaterThan = r.ReadBool();
    GuardBars = r.ReadBool();
    WideToNarrow = float(r.ReadFloat());
    HRPosition = uint8_t(r.ReadInteger());
    ShowHumanReadable = r.ReadBool();
    ShowCheckDigit = r.ReadBool();
    ShowCheckDigit2 = r.ReadBool();
    ShowStartStop = r.ReadBool();
    I25CheckDigitType = uint8_t(r.ReadInteger());
    CodabarStart = uint8_t(r.ReadInteger());
    CodabarStop = uint8_t(r.ReadInteger());
    Rotation = r.ReadInteger();
    FirstCheckMod11 = r.ReadBool();
    if (FVersion > 6) {
        BarAdjust = r.ReadInteger();
        SpaceAdjust = r.ReadInteger();
    }
    if (FVersion > 10) {
        HRSpacing = r.ReadInteger();
    } else {
        // These files kept the bar height in the bounds, in 1440 units per inch.
        HRSpacing = 0;
        double height = double(FBounds.Bottom) - double(FBounds.Top);
        if (ShowHumanReadable)
            height -= Round(FFont.GetSize() * 1440.0 / 72.0);
        Height = Round(height);
    }
    if (FVersion > 11) {
        Preamble = r.ReadString();
        Postamble = r.ReadString();
    }
    if (FVersion > 12)
        UCCFormatting = r.ReadBool();
}

void TZpBarcodeObject::SaveToStream(TZpWriter& w) {
    TZpObject::SaveToStream(w);
    FFont.SaveToStream(w);
    FData.SaveToStream(w);
    FScript.SaveToStream(w);
    w.WriteInteger(Symbology);
    w.WriteBool(CheckDigit);
    w.WriteInteger(Density);
    w.WriteInteger(Height);
    w.WriteBool(Descenders);
    w.WriteBool(ShowNumberSystem);
    w.WriteBool(ExtendSupplement);
    w.WriteBool(ShowMfrProdSpace);
    w.WriteBool(ShowISBN);
    w.WriteBool(AppendGreaterThan);
    w.WriteBool(GuardBars);
    w.WriteFloat(WideToNarrow);
    w.WriteInteger(HRPosition);
    w.WriteBool(ShowHumanReadable);
    w.WriteBool(ShowCheckDigit);
    w.WriteBool(ShowCheckDigit2);
    w.WriteBool(ShowStartStop);
    w.WriteInteger(I25CheckDigitType);
    w.WriteInteger(CodabarStart);
    w.WriteInteger(CodabarStop);
    w.WriteInteger(Rotation);
    w.WriteBool(FirstCheckMod11);
    w.WriteInteger(BarAdjust);
    w.WriteInteger(SpaceAdjust);
    w.WriteInteger(HRSpacing);
    w.WriteString(Preamble);
    w.WriteString(Postamble);
    w.WriteBool(UCCFormatting);
}

} // namespace zp
