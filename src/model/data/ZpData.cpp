// SPDX-License-Identifier: MIT
#include "model/data/ZpData.h"

#include "base/ValueStream.h"
#include "model/objects/ZpObject.h"

namespace zp {

QString FirstCharacter(const QString& text) {
    if (text.size() >= 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return text.left(2);
    return text.left(1);
}

void* TZpData::QueryInterface(const std::type_info& iid) {
    if (FOwner)
        return FOwner->QueryInterface(iid);
    if (iid == typeid(IZpData) || iid == typeid(IZpUnknown))
        return static_cast<IZpData*>(this);
    return nullptr;
}

TZpFieldDef* TZpData::GetField(int index) const {
    return index >= 0 && index < int(FFields.size()) ? FFields[size_t(index)].get() : nullptr;
}

void TZpData::AddField(std::unique_ptr<TZpFieldDef> entry) {
    if (entry)
        FFields.push_back(std::move(entry));
}

void TZpData::DeleteField(int index) {
    if (index >= 0 && index < int(FFields.size()))
        FFields.erase(FFields.begin() + index);
}

// The optional items follow the version of the record the block sits in.
void TZpData::LoadFromStream(TZpReader& reader) {
    auto* owner = FOwner ? Supports<IZpObject>(FOwner) : nullptr;
    LoadFromStream(reader, owner ? owner->GetVersion() : kZpObjectVersion);
}

void TZpData::LoadFromStream(TZpReader& reader, int32_t ov) {
    FName = reader.ReadString();
    FText = reader.ReadString();
    FKind = uint8_t(reader.ReadInteger());
    FPromptCaption = reader.ReadString();
    FDateFormat = reader.ReadString();
    FSerialPrefix = reader.ReadString();
    FSerialSuffix = reader.ReadString();
    FSerialStart = reader.ReadInteger();
    FSerialValue = FSerialStart;
    FSerialIncrement = reader.ReadInteger();
    FPadChar = FirstCharacter(reader.ReadString());
    FPadWidth = reader.ReadInteger();
    FLinkName = reader.ReadString();
    FFields.clear();
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        auto field = std::make_unique<TZpFieldDef>();
        field->Connection = reader.ReadString();
        field->Dataset = reader.ReadString();
        field->Field = reader.ReadString();
        field->Prefix = reader.ReadString();
        field->Suffix = reader.ReadString();
        field->StripMethod = uint8_t(reader.ReadInteger());
        field->StripLeading = reader.ReadInteger();
        field->StripTrailing = reader.ReadInteger();
        field->AddLineBreak = reader.ReadBool();
        FFields.push_back(std::move(field));
    }
    reader.ReadListEnd();
    FRepeatCount = ov > 5 ? reader.ReadInteger() : 0;
    if (ov > 18) {
        FDateAdjust = reader.ReadInteger();
        FDateAdjustUnit = uint8_t(reader.ReadInteger());
    } else {
        FDateAdjust = 0;
        FDateAdjustUnit = duDays;
    }
}

void TZpData::SaveToStream(TZpWriter& writer) {
    writer.WriteString(FName);
    writer.WriteString(FText);
    writer.WriteInteger(FKind);
    writer.WriteString(FPromptCaption);
    writer.WriteString(FDateFormat);
    writer.WriteString(FSerialPrefix);
    writer.WriteString(FSerialSuffix);
    writer.WriteInteger(FSerialStart);
    writer.WriteInteger(FSerialIncrement);
    writer.WriteString(FPadChar);
    writer.WriteInteger(FPadWidth);
    writer.WriteString(FLinkName);
    writer.WriteListBegin();
    for (const auto& field : FFields) {
        writer.WriteString(field->Connection);
        writer.WriteString(field->Dataset);
        writer.WriteString(field->Field);
        writer.WriteString(field->Prefix);
        writer.WriteString(field->Suffix);
        writer.WriteInteger(field->StripMethod);
        writer.WriteInteger(field->StripLeading);
        writer.WriteInteger(field->StripTrailing);
        writer.WriteBool(field->AddLineBreak);
    }
    writer.WriteListEnd();
    writer.WriteInteger(FRepeatCount);
    writer.WriteInteger(FDateAdjust);
    writer.WriteInteger(FDateAdjustUnit);
}

} // namespace zp
