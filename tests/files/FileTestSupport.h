// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeObject.h"
#include "base/ValueStream.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/PictureObject.h"
#include "model/objects/ShapeObjects.h"
#include "model/objects/TextObject.h"

#include <QBuffer>
#include <functional>

namespace zp::test {

/// What the function writes, as bytes.
inline QByteArray Written(const std::function<void(TZpWriter&)>& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    write(writer);
    return bytes;
}

/// A 2 x 2 bitmap file of 24 bits per pixel (rows padded to 8 bytes).
inline QByteArray SmallBitmap() {
    return Written([](TZpWriter& w) {
        w.WriteBytes("BM");
        w.WriteInt32(14 + 40 + 16);
        w.WriteInt32(0);
        w.WriteInt32(14 + 40);
        w.WriteInt32(40);
        w.WriteInt32(2);
        w.WriteInt32(2);
        w.WriteInt16(1);
        w.WriteInt16(24);
        for (int i = 0; i < 6; ++i)
            w.WriteInt32(0);
        for (int i = 0; i < 16; ++i)
            w.WriteByte(uint8_t(i * 13));
    });
}

/// A data source with a value in every field.
inline void FillData(TZpData& d, int seed) {
    d.SetName(QStringLiteral("Obj%1").arg(seed));
    d.SetText(QStringLiteral("Text \u00e9 %1\r\nline 2").arg(seed));
    d.SetKind(dkSerialNumber);
    d.SetPromptCaption(QStringLiteral("Caption"));
    d.SetDateFormat(QStringLiteral("mm/dd/yyyy"));
    d.SetSerialPrefix(QStringLiteral("A-"));
    d.SetSerialSuffix(QStringLiteral("/X"));
    d.SetSerialStart(70000 + seed);
    d.SetSerialIncrement(-3);
    d.SetPadChar(QStringLiteral("0"));
    d.SetPadWidth(6);
    d.SetLinkName(QStringLiteral("Other"));
    for (int i = 0; i < 2; ++i) {
        auto f = std::make_unique<TZpFieldDef>();
        f->Connection = QStringLiteral("Sales");
        f->Dataset = QStringLiteral("Orders%1").arg(i);
        f->Field = QStringLiteral("Name");
        f->Prefix = QStringLiteral("<");
        f->Suffix = QString(300, QLatin1Char('s')); // a long string
        f->StripMethod = smCharacters;
        f->StripLeading = 2;
        f->StripTrailing = 300;
        f->AddLineBreak = i == 1;
        d.AddField(std::move(f));
    }
    d.SetRepeatCount(3);
    d.SetDateAdjust(-40000);
    d.SetDateAdjustUnit(duMonths);
}

inline void FillScript(TZpScript& s) {
    s.SetLanguage(kJScriptLanguage);
    s.SetScript(QStringLiteral("function DataUpdated(Data) { return Data + '!'; }"));
    s.SetEnabled(true);
}

inline void FillFont(TZpFont& f) {
    f.SetName(QStringLiteral("Liberation Serif"));
    f.SetSize(14);
    f.SetStyle(fsBold | fsUnderline);
    f.SetColor(0x123456);
    f.SetAlignment(taJustify);
}

inline void FillBase(TZpObject& o, int seed) {
    o.SetBoundsExact(TRect{10 + seed, 20, 3000 + seed, 40000});
    o.SetSizing(szHeightEqualsWidth);
    o.SetAspectRect(TRect{1, 2, 3, 4});
    o.SetPrintObject(false);
    o.SetGroupId(7 + seed);
}

/// An object of the named class with a non-default value in every stored field.
inline TZpObjectPtr MakeFilled(const QString& className, int seed = 0) {
    TZpObjectPtr obj = CreateObject(className);
    FillBase(*obj, seed);
    if (auto* fill = Supports<IZpFillStyle>(obj)) {
        fill->SetColor(0x00FF00 + seed);
        fill->SetStyle(bsCross);
        fill->SetTransparent(false);
    }
    if (auto* line = Supports<IZpLineStyle>(obj)) {
        line->SetColor(0x0000FF);
        line->SetStyle(psDashDot);
        line->SetWidth(12 + seed);
    }
    if (auto* round = dynamic_cast<TZpRoundRectObject*>(obj.get()))
        round->SetEllipseSize(0.375f);
    if (auto* text = dynamic_cast<TZpTextObject*>(obj.get())) {
        FillData(text->Data(), seed);
        FillFont(text->Font());
        FillScript(text->Script());
        text->SetRotationExact(270);
        TZpRVData& rv = text->RVData();
        rv.SetTextStyles({{0x112233, QStringLiteral("Liberation Sans"), 12, 50, fsItalic | fsStrikeOut},
                          {0x445566, QStringLiteral("Liberation Mono"), 300, -50, fsBold}});
        rv.SetParaStyles({0, 1, 2, 3});
        rv.SkipFirstLeading = false;
        rv.CustomLeading = true;
        rv.CustomLeadingSize = 144;
        rv.SetParagraphs(
            {{2, {{QStringLiteral("rich "), 0}, {QStringLiteral("text"), 1}}}, {3, {{QString(), 1}}}});
    }
    if (auto* pic = dynamic_cast<TZpPictureObject*>(obj.get())) {
        FillData(pic->Data(), seed);
        pic->SetRotationExact(90);
        pic->SetStretch(false);
        pic->SetAlternatePrint(true);
        pic->SetImageFromBitmapFile(SmallBitmap());
    }
    if (auto* bc = dynamic_cast<TZpBarcodeObject*>(obj.get())) {
        FillFont(bc->Font());
        FillData(bc->Data(), seed);
        FillScript(bc->Script());
        bc->Symbology = 17;
        bc->CheckDigit = true;
        bc->Density = 4;
        bc->Height = 250;
        bc->Descenders = false;
        bc->ShowNumberSystem = false;
        bc->ExtendSupplement = false;
        bc->ShowMfrProdSpace = false;
        bc->ShowISBN = true;
        bc->AppendGreaterThan = true;
        bc->GuardBars = true;
        bc->WideToNarrow = 2.5f;
        bc->HRPosition = 0;
        bc->ShowHumanReadable = false;
        bc->ShowCheckDigit = true;
        bc->ShowCheckDigit2 = true;
        bc->ShowStartStop = true;
        bc->I25CheckDigitType = 0;
        bc->CodabarStart = 2;
        bc->CodabarStop = 3;
        bc->Rotation = 180;
        bc->FirstCheckMod11 = true;
        bc->BarAdjust = -2;
        bc->SpaceAdjust = 3;
        bc->HRSpacing = 9;
        bc->Preamble = QStringLiteral("[");
        bc->Postamble = QStringLiteral("]");
        bc->UCCFormatting = true;
    }
    return obj;
}

} // namespace zp::test
