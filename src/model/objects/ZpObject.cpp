// SPDX-License-Identifier: MIT
#include "model/objects/ZpObject.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/ValueStream.h"
#include "model/objects/ObjectClasses.h"
#include "platform/dialogs/DialogServices.h"

#include <QBuffer>

namespace zp {

const QString kIncompatibleVersionMessage =
    QStringLiteral("File is from an incompatible version of Zentaprint...cannot continue.");

TZpObject::TZpObject() : FBounds{0, 0, LabelDPI(), LabelDPI() / 2} {}

void* TZpObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpObject))
        return static_cast<IZpObject*>(this);
    if (iid == typeid(IZpUnknown))
        return static_cast<IZpUnknown*>(this);
    return nullptr;
}

TRect TZpObject::HitExtent() const {
    TRect r = FBounds;
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

TRect NormalizeObjectBounds(TRect r) {
    if (r.Left < 0) {
        r.Right -= r.Left;
        r.Left = 0;
    }
    if (r.Top < 0) {
        r.Bottom -= r.Top;
        r.Top = 0;
    }
    return r;
}

void TZpObject::SetBounds(const TRect& rect) {
    FBounds = NormalizeObjectBounds(rect);
}

void TZpObject::SetSizing(uint8_t sizing) {
    if (sizing == FSizing)
        return;
    FSizing = sizing;
    if (sizing == szAspectRatio)
        FAspectRect = FBounds;
}

void TZpObject::LoadFromStream(TZpReader& reader) {
    const int32_t version = reader.ReadInt32();
    if (version < kZpOldestObjectVersion || version > kZpObjectVersion)
        throw EZpReadError(kIncompatibleVersionMessage);
    FVersion = version;
    FBounds = reader.ReadRect();
    FSizing = reader.ReadByte();
    FAspectRect = reader.ReadRect();
    FPrintObject = FVersion > 18 ? reader.ReadByte() != 0 : true;
    FGroupId = FVersion > 20 ? reader.ReadInt32() : -1;
}

void TZpObject::SaveToStream(TZpWriter& writer) {
    FVersion = kZpObjectVersion;
    writer.WriteInt32(FVersion);
    writer.WriteRect(FBounds);
    writer.WriteByte(FSizing);
    writer.WriteRect(FAspectRect);
    writer.WriteByte(FPrintObject ? 1 : 0);
    writer.WriteInt32(FGroupId);
}

// A copy is exactly what a save and reload would give.
void TZpObject::AssignTo(IZpObject& dest) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    TZpWriter writer(buffer);
    SaveToStream(writer);
    buffer.seek(0);
    TZpReader reader(buffer);
    dest.LoadFromStream(reader);
}

std::shared_ptr<TZpObject> TZpObject::Clone() {
    std::shared_ptr<TZpObject> copy = CreateObject(GetClassName());
    if (!copy)
        throw EZpError(QStringLiteral("Class %1 not found").arg(GetClassName()));
    AssignTo(*copy);
    return copy;
}

bool TZpObject::EditProperties() {
    return ZpDialogs().EditObjectProperties(*this);
}

} // namespace zp
