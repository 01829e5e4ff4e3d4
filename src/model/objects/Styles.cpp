// SPDX-License-Identifier: MIT
#include "model/objects/Styles.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "base/ValueStream.h"
#include "model/objects/TextFonts.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/store/SettingsStore.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace zp {

const QString kOnlyTrueTypeRotatedMessage = QStringLiteral(
    "Sorry, only TrueType fonts can be rotated.  Please try a different font or rotate this object to zero.");

namespace {
template <class I> void* AnswerThroughOwner(IZpUnknown* owner, I* self, const std::type_info& iid) {
    if (owner)
        return owner->QueryInterface(iid);
    if (iid == typeid(I) || iid == typeid(IZpUnknown))
        return static_cast<I*>(self);
    return nullptr;
}
} // namespace

// ---- fill

TZpFillStyle::TZpFillStyle(IZpUnknown* owner) : TZpOwnedPart(owner) {
    const QString section = QStringLiteral("Fill Style Settings");
    const TZpSettingsStore& store = ZpStore();
    FColor = TColor(store.ReadInteger(section, QStringLiteral("Fill Color"), int(clWhite)));
    FStyle =
        uint8_t(store.ReadIntegerIn(section, QStringLiteral("Fill Style"), bsClear, bsSolid, bsDiagCross));
    FTransparent = store.ReadBool(section, QStringLiteral("Fill Transparent"), true);
}

void* TZpFillStyle::QueryInterface(const std::type_info& iid) {
    return AnswerThroughOwner<IZpFillStyle>(FOwner, this, iid);
}

void TZpFillStyle::LoadFromStream(TZpReader& reader) {
    FColor = TColor(reader.ReadInt32());
    FStyle = reader.ReadByte();
    FTransparent = reader.ReadByte() != 0;
}

void TZpFillStyle::SaveToStream(TZpWriter& writer) {
    writer.WriteInt32(int32_t(FColor));
    writer.WriteByte(FStyle);
    writer.WriteByte(FTransparent ? 1 : 0);
}

// ---- line

TZpLineStyle::TZpLineStyle(IZpUnknown* owner) : TZpOwnedPart(owner) {
    const QString section = QStringLiteral("Line Style Settings");
    const TZpSettingsStore& store = ZpStore();
    FColor = TColor(store.ReadInteger(section, QStringLiteral("Line Color"), int(clBlack)));
    FStyle =
        uint8_t(store.ReadIntegerIn(section, QStringLiteral("Line Style"), psSolid, psSolid, psInsideFrame));
    // Stored in hundredths of a point.
    const int hundredths = store.ReadIntegerIn(section, QStringLiteral("Line Width"), 100, 1, 9999900);
    FWidth = Round(hundredths / 100.0 / 72.0 * LabelDPI());
}

void* TZpLineStyle::QueryInterface(const std::type_info& iid) {
    return AnswerThroughOwner<IZpLineStyle>(FOwner, this, iid);
}

void TZpLineStyle::LoadFromStream(TZpReader& reader) {
    FColor = TColor(reader.ReadInt32());
    FStyle = reader.ReadByte();
    FWidth = reader.ReadInt32();
}

void TZpLineStyle::SaveToStream(TZpWriter& writer) {
    writer.WriteInt32(int32_t(FColor));
    writer.WriteByte(FStyle);
    writer.WriteInt32(FWidth);
}

// ---- font

void* TZpFont::QueryInterface(const std::type_info& iid) {
    return AnswerThroughOwner<IZpFont>(FOwner, this, iid);
}

bool IsTrueTypeFont(const QString& name) {
    // A face that is not installed is none; one that fontconfig substitutes
    // ("Arial" by a metric-compatible face) is what draws it.
    if (!IsFaceAvailable(name))
        return false;
    const QString family = QFontInfo(QFont(name)).family();
    return QFontDatabase::isScalable(family) && !QFontDatabase::isBitmapScalable(family);
}

void TZpFont::SetName(const QString& name) {
    if (auto* rotation = FOwner ? Supports<IZpRotation>(FOwner) : nullptr) {
        if (rotation->GetRotation() != 0 && !IsTrueTypeFont(name)) {
            ShowMessage(TZpMsgKind::Information, kOnlyTrueTypeRotatedMessage);
            return;
        }
    }
    FName = name;
}

void TZpFont::LoadFromStream(TZpReader& reader) {
    FColor = TColor(reader.ReadInteger());
    FName = reader.ReadString();
    FSize = reader.ReadInteger();
    FStyle = reader.ReadByte();
    FAlignment = uint8_t(reader.ReadInteger());
}

void TZpFont::SaveToStream(TZpWriter& writer) {
    writer.WriteInteger(int32_t(FColor));
    writer.WriteString(FName);
    writer.WriteInteger(FSize);
    writer.WriteByte(FStyle);
    writer.WriteInteger(FAlignment);
}

} // namespace zp
