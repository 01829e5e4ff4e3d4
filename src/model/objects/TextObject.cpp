// SPDX-License-Identifier: MIT
#include "model/objects/TextObject.h"

#include "files/ValueStream.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/store/SettingsStore.h"

#include <cstdlib>

namespace zp {

TZpTextObject::TZpTextObject() {
    FFillStyle.SetColor(clWhite);
    FFillStyle.SetStyle(bsClear);
    FFillStyle.SetTransparent(true);

    const QString section = QStringLiteral("Text Settings");
    const TZpSettingsStore& store = ZpStore();
    FData.SetText(store.ReadString(section, QStringLiteral("Default Text"), QStringLiteral("Sample Text")));
    FFont.SetName(store.ReadString(section, QStringLiteral("Font Name"), QStringLiteral("Arial")));
    FFont.SetBold(store.ReadBool(section, QStringLiteral("Font Bold"), false));
    FFont.SetItalic(store.ReadBool(section, QStringLiteral("Font Italic"), false));
    FFont.SetUnderline(store.ReadBool(section, QStringLiteral("Font Underline"), false));
    FFont.SetSize(store.ReadInteger(section, QStringLiteral("Font Size"), 10));
    FFont.SetColor(TColor(store.ReadInteger(section, QStringLiteral("Font Color"), 0)));
    FFont.SetAlignment(taLeft);
    FRVData.SkipFirstLeading = store.ReadBool(section, QStringLiteral("Remove First Leading"), true);
    FRVData.CustomLeading = store.ReadBool(section, QStringLiteral("Use Custom Leading"), false);
    FRVData.CustomLeadingSize = store.ReadInteger(section, QStringLiteral("Custom Leading Size"), 100);
    // Style 0 is the one text rebuilt from the data uses: the object's font.
    FRVData.TextStyles = {
        TZpTextStyle{FFont.GetColor(), FFont.GetName(), FFont.GetSize(), 0, FFont.GetStyle()}};
}

void* TZpTextObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpFont))
        return static_cast<IZpFont*>(&FFont);
    if (iid == typeid(IZpData))
        return static_cast<IZpData*>(&FData);
    if (iid == typeid(IZpFillStyle))
        return static_cast<IZpFillStyle*>(&FFillStyle);
    if (iid == typeid(IZpScript))
        return static_cast<IZpScript*>(&FScript);
    if (iid == typeid(IZpRotation))
        return static_cast<IZpRotation*>(this);
    return TZpObject::QueryInterface(iid);
}

void TZpTextObject::LoadFromStream(TZpReader& reader) {
    TZpObject::LoadFromStream(reader);
    FData.LoadFromStream(reader, FVersion);
    FFont.LoadFromStream(reader);
    FFillStyle.LoadFromStream(reader);
    if (FVersion > 16)
        FScript.LoadFromStream(reader);
    FRVData.LoadSection(reader, FVersion, FRotation);
}

void TZpTextObject::SaveToStream(TZpWriter& writer) {
    TZpObject::SaveToStream(writer);
    FData.SaveToStream(writer);
    FFont.SaveToStream(writer);
    FFillStyle.SaveToStream(writer);
    FScript.SaveToStream(writer);
    FRVData.SaveSection(writer, FRotation);
}

void TZpTextObject::SetRotation(int32_t degrees) {
    if (degrees != FRotation && TurnObject(*this, FFont.GetName(), FRotation, degrees))
        FRotation = degrees;
}

bool TurnObject(TZpObject& obj, const QString& fontName, int32_t from, int32_t to) {
    if (to != 0 && !IsTrueTypeFont(fontName)) {
        ShowMessage(TZpMsgKind::Information, kOnlyTrueTypeRotatedMessage);
        return false;
    }
    if (std::abs(to - from) != 180) {
        const TRect b = obj.GetBounds();
        const TRect turned{b.Left, b.Top, b.Left + b.Height(), b.Top + b.Width()};
        obj.SetBoundsExact(turned);
        obj.SetAspectRect(turned);
    }
    return true;
}

} // namespace zp
