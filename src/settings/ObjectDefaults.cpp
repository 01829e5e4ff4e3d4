// SPDX-License-Identifier: MIT
#include "settings/ObjectDefaults.h"

#include "platform/store/SettingsStore.h"

namespace zp {

namespace {

const QString kBarcode = QStringLiteral("Bar Code Settings");
const QString kText = QStringLiteral("Text Settings");
const QString kFill = QStringLiteral("Fill Style Settings");
const QString kLine = QStringLiteral("Line Style Settings");

int ReadIn(const TZpSettingsStore& s, const QString& section, const char* name, int def, int lo, int hi) {
    const int v = s.ReadInteger(section, QLatin1String(name), def);
    return v >= lo && v <= hi ? v : def;
}

double ReadIn(const TZpSettingsStore& s, const QString& section, const char* name, double def, double lo,
              double hi) {
    const double v = s.ReadFloat(section, QLatin1String(name), def);
    return v >= lo && v <= hi ? v : def;
}

bool Flag(const TZpSettingsStore& s, const QString& section, const char* name, bool def) {
    return s.ReadBool(section, QLatin1String(name), def);
}

// Plain colours and the system colours the palette knows; anything else
// would paint as an arbitrary colour.
TColor ReadColor(const TZpSettingsStore& s, const QString& section, const char* name, TColor def) {
    const auto v = TColor(s.ReadInteger(section, QLatin1String(name), int(def)));
    const bool plain = v <= 0xFFFFFF;
    const bool system = IsSystemColor(v) && (v & ~clSystemColor) <= 30;
    return plain || system ? v : def;
}

} // namespace

TBarcodeDefaults ReadBarcodeDefaults(const TZpSettingsStore& s) {
    const TBarcodeDefaults def;
    TBarcodeDefaults d;
    d.Type = ReadIn(s, kBarcode, "Type", def.Type, 0, 19);
    d.Density = ReadIn(s, kBarcode, "Density", def.Density, 1e-4, 10.0);
    d.Height = ReadIn(s, kBarcode, "Height", def.Height, 0.15, 30.0);
    d.HRSpacing = ReadIn(s, kBarcode, "Human Readable Spacing", def.HRSpacing, 0.0, 30.0);
    d.BarAdjust = ReadIn(s, kBarcode, "Bar Adjust", def.BarAdjust, -9999, 10);
    d.SpaceAdjust = ReadIn(s, kBarcode, "Space Adjust", def.SpaceAdjust, -9999, 10);
    d.WideToNarrow = ReadIn(s, kBarcode, "Wide to Narrow", def.WideToNarrow, 20, 30);
    d.CheckDigit = Flag(s, kBarcode, "Check Digit", def.CheckDigit);
    d.ShowHumanReadable = Flag(s, kBarcode, "Show Human Readable", def.ShowHumanReadable);
    d.ShowStartStop = Flag(s, kBarcode, "Show Start Stop", def.ShowStartStop);
    d.ShowCheckDigit = Flag(s, kBarcode, "Show Check Digit", def.ShowCheckDigit);
    d.ShowCheckDigit2 = Flag(s, kBarcode, "Show Check Digit2", def.ShowCheckDigit2);
    d.Descenders = Flag(s, kBarcode, "Descenders", def.Descenders);
    d.ShowNumberSystem = Flag(s, kBarcode, "Show Number System", def.ShowNumberSystem);
    d.ExtendSupplement = Flag(s, kBarcode, "Extend Supplement", def.ExtendSupplement);
    d.ShowMfrProdSpace = Flag(s, kBarcode, "Show Mfr Prod Space", def.ShowMfrProdSpace);
    d.ShowISBN = Flag(s, kBarcode, "Show ISBN", def.ShowISBN);
    d.AppendGreaterThan = Flag(s, kBarcode, "Append Greater Than", def.AppendGreaterThan);
    d.FirstCheckMod11 = Flag(s, kBarcode, "First Check Mod 11", def.FirstCheckMod11);
    d.HRPosition = ReadIn(s, kBarcode, "Human Readable Position", def.HRPosition, 0, 1);
    d.I25CheckDigitType = ReadIn(s, kBarcode, "Int 2 of 5 Check Digit Type", def.I25CheckDigitType, 0, 1);
    d.CodabarStart = ReadIn(s, kBarcode, "Codabar Start", def.CodabarStart, 0, 3);
    d.CodabarStop = ReadIn(s, kBarcode, "Codabar Stop", def.CodabarStop, 0, 3);
    d.GuardBars = Flag(s, kBarcode, "Guard Bars", def.GuardBars);
    d.Preamble = s.ReadString(kBarcode, QStringLiteral("Preamble"), def.Preamble);
    d.Postamble = s.ReadString(kBarcode, QStringLiteral("Postamble"), def.Postamble);
    d.UCCFormatting = Flag(s, kBarcode, "UCC Formatting", def.UCCFormatting);
    d.DefaultText = s.ReadString(kBarcode, QStringLiteral("Default Text"), def.DefaultText);
    return d;
}

void WriteBarcodeDefaults(TZpSettingsStore& s, const TBarcodeDefaults& d) {
    auto integer = [&](const char* name, int v) { s.WriteInteger(kBarcode, QLatin1String(name), v); };
    auto flag = [&](const char* name, bool v) { s.WriteBool(kBarcode, QLatin1String(name), v); };
    auto inches = [&](const char* name, double v) { s.WriteFloat(kBarcode, QLatin1String(name), float(v)); };
    integer("Type", d.Type);
    inches("Density", d.Density);
    inches("Height", d.Height);
    inches("Human Readable Spacing", d.HRSpacing);
    integer("Bar Adjust", d.BarAdjust);
    integer("Space Adjust", d.SpaceAdjust);
    integer("Wide to Narrow", d.WideToNarrow);
    flag("Check Digit", d.CheckDigit);
    flag("Show Human Readable", d.ShowHumanReadable);
    flag("Show Start Stop", d.ShowStartStop);
    flag("Show Check Digit", d.ShowCheckDigit);
    flag("Show Check Digit2", d.ShowCheckDigit2);
    flag("Descenders", d.Descenders);
    flag("Show Number System", d.ShowNumberSystem);
    flag("Extend Supplement", d.ExtendSupplement);
    flag("Show Mfr Prod Space", d.ShowMfrProdSpace);
    flag("Show ISBN", d.ShowISBN);
    flag("Append Greater Than", d.AppendGreaterThan);
    flag("First Check Mod 11", d.FirstCheckMod11);
    integer("Human Readable Position", d.HRPosition);
    integer("Int 2 of 5 Check Digit Type", d.I25CheckDigitType);
    integer("Codabar Start", d.CodabarStart);
    integer("Codabar Stop", d.CodabarStop);
    flag("Guard Bars", d.GuardBars);
    s.WriteString(kBarcode, QStringLiteral("Preamble"), d.Preamble);
    s.WriteString(kBarcode, QStringLiteral("Postamble"), d.Postamble);
    flag("UCC Formatting", d.UCCFormatting);
    s.WriteString(kBarcode, QStringLiteral("Default Text"), d.DefaultText);
}

TTextDefaults ReadTextDefaults(const TZpSettingsStore& s) {
    const TTextDefaults def;
    TTextDefaults d;
    d.FontName = s.ReadString(kText, QStringLiteral("Font Name"), def.FontName);
    if (d.FontName.trimmed().isEmpty())
        d.FontName = def.FontName;
    d.FontSize = ReadIn(s, kText, "Font Size", def.FontSize, 1, 999);
    d.FontBold = Flag(s, kText, "Font Bold", def.FontBold);
    d.FontItalic = Flag(s, kText, "Font Italic", def.FontItalic);
    d.FontUnderline = Flag(s, kText, "Font Underline", def.FontUnderline);
    d.FontColor = ReadColor(s, kText, "Font Color", def.FontColor);
    d.RemoveFirstLeading = Flag(s, kText, "Remove First Leading", def.RemoveFirstLeading);
    d.UseCustomLeading = Flag(s, kText, "Use Custom Leading", def.UseCustomLeading);
    d.CustomLeadingSize = ReadIn(s, kText, "Custom Leading Size", def.CustomLeadingSize, 1, 990);
    d.DefaultText = s.ReadString(kText, QStringLiteral("Default Text"), def.DefaultText);
    return d;
}

void WriteTextDefaults(TZpSettingsStore& s, const TTextDefaults& d) {
    s.WriteString(kText, QStringLiteral("Font Name"), d.FontName);
    s.WriteInteger(kText, QStringLiteral("Font Size"), d.FontSize);
    s.WriteBool(kText, QStringLiteral("Font Bold"), d.FontBold);
    s.WriteBool(kText, QStringLiteral("Font Italic"), d.FontItalic);
    s.WriteBool(kText, QStringLiteral("Font Underline"), d.FontUnderline);
    s.WriteInteger(kText, QStringLiteral("Font Color"), int(d.FontColor));
    s.WriteBool(kText, QStringLiteral("Remove First Leading"), d.RemoveFirstLeading);
    s.WriteBool(kText, QStringLiteral("Use Custom Leading"), d.UseCustomLeading);
    s.WriteInteger(kText, QStringLiteral("Custom Leading Size"), d.CustomLeadingSize);
    s.WriteString(kText, QStringLiteral("Default Text"), d.DefaultText);
}

TGraphicDefaults ReadGraphicDefaults(const TZpSettingsStore& s) {
    const TGraphicDefaults def;
    TGraphicDefaults d;
    d.FillColor = ReadColor(s, kFill, "Fill Color", def.FillColor);
    d.FillStyle = ReadIn(s, kFill, "Fill Style", def.FillStyle, 0, 7);
    d.FillTransparent = Flag(s, kFill, "Fill Transparent", def.FillTransparent);
    d.LineColor = ReadColor(s, kLine, "Line Color", def.LineColor);
    d.LineStyle = ReadIn(s, kLine, "Line Style", def.LineStyle, 0, 6);
    d.LineWidth = ReadIn(s, kLine, "Line Width", def.LineWidth, 1, 9999900);
    return d;
}

void WriteGraphicDefaults(TZpSettingsStore& s, const TGraphicDefaults& d) {
    s.WriteInteger(kFill, QStringLiteral("Fill Color"), int(d.FillColor));
    s.WriteInteger(kFill, QStringLiteral("Fill Style"), d.FillStyle);
    s.WriteBool(kFill, QStringLiteral("Fill Transparent"), d.FillTransparent);
    s.WriteInteger(kLine, QStringLiteral("Line Color"), int(d.LineColor));
    s.WriteInteger(kLine, QStringLiteral("Line Style"), d.LineStyle);
    s.WriteInteger(kLine, QStringLiteral("Line Width"), d.LineWidth);
}

} // namespace zp
