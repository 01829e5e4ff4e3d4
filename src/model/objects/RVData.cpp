// SPDX-License-Identifier: MIT
#include "model/objects/RVData.h"

#include "files/ValueStream.h"
#include "model/objects/Interfaces.h"

namespace zp {

TZpRVData::TZpRVData() : ParaStyles{taLeft, taRight, taCenter, taJustify} {}

void TZpRVData::LoadSection(TZpReader& reader, int32_t ov, int32_t& rotation) {
    TextStyles.clear();
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        TZpTextStyle style;
        style.Color = TColor(reader.ReadInteger());
        style.FontName = reader.ReadString();
        style.Size = reader.ReadInteger();
        style.VShift = ov >= 22 ? reader.ReadInteger() : 0;
        style.Style = reader.ReadByte();
        TextStyles.push_back(std::move(style));
    }
    reader.ReadListEnd();
    ParaStyles.clear();
    reader.ReadListBegin();
    while (!reader.EndOfList())
        ParaStyles.push_back(reader.ReadInteger());
    reader.ReadListEnd();
    rotation = reader.ReadInteger();
    if (ov > 14) {
        SkipFirstLeading = reader.ReadBool();
        CustomLeading = reader.ReadBool();
        CustomLeadingSize = reader.ReadInteger();
    }
    Content = reader.ReadBytes(reader.ReadInt32());
}

void TZpRVData::SaveSection(TZpWriter& writer, int32_t rotation) const {
    writer.WriteListBegin();
    for (const TZpTextStyle& style : TextStyles) {
        writer.WriteInteger(int32_t(style.Color));
        writer.WriteString(style.FontName);
        writer.WriteInteger(style.Size);
        writer.WriteInteger(style.VShift);
        writer.WriteByte(style.Style);
    }
    writer.WriteListEnd();
    writer.WriteListBegin();
    for (int32_t alignment : ParaStyles)
        writer.WriteInteger(alignment);
    writer.WriteListEnd();
    writer.WriteInteger(rotation);
    writer.WriteBool(SkipFirstLeading);
    writer.WriteBool(CustomLeading);
    writer.WriteInteger(CustomLeadingSize);
    writer.WriteInt32(int32_t(Content.size()));
    writer.WriteBytes(Content);
}

} // namespace zp
