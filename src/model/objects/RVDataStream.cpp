// SPDX-License-Identifier: MIT
// The text section of a text object's record and our content record inside it.
#include "base/Errors.h"
#include "base/ValueStream.h"
#include "model/objects/RVData.h"

#include <QBuffer>

namespace zp {

namespace {

const QString kContentSignature = QStringLiteral("ZpText");
constexpr int32_t kContentVersion = 1;

} // namespace

bool TZpRVData::LoadSection(TZpReader& reader, int32_t ov, int32_t& rotation) {
    std::vector<TZpTextStyle> styles;
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        TZpTextStyle style;
        style.Color = TColor(reader.ReadInteger());
        style.FontName = reader.ReadString();
        style.Size = reader.ReadInteger();
        style.VShift = ov >= 22 ? reader.ReadInteger() : 0;
        style.Style = reader.ReadByte();
        styles.push_back(std::move(style));
    }
    reader.ReadListEnd();
    SetTextStyles(std::move(styles));
    std::vector<int32_t> alignments;
    reader.ReadListBegin();
    while (!reader.EndOfList())
        alignments.push_back(reader.ReadInteger());
    reader.ReadListEnd();
    SetParaStyles(std::move(alignments));
    rotation = reader.ReadInteger();
    if (ov > 14) {
        SkipFirstLeading = reader.ReadBool();
        CustomLeading = reader.ReadBool();
        CustomLeadingSize = reader.ReadInteger();
    }
    const int32_t n = reader.ReadInt32();
    if (n < 0)
        throw EZpReadError(QStringLiteral("Stream read error"));
    return LoadContent(reader.ReadBytes(n));
}

void TZpRVData::SaveSection(TZpWriter& writer, int32_t rotation) const {
    writer.WriteListBegin();
    for (const TZpTextStyle& style : FTextStyles) {
        writer.WriteInteger(int32_t(style.Color));
        writer.WriteString(style.FontName);
        writer.WriteInteger(style.Size);
        writer.WriteInteger(style.VShift);
        writer.WriteByte(style.Style);
    }
    writer.WriteListEnd();
    writer.WriteListBegin();
    for (int32_t alignment : FParaStyles)
        writer.WriteInteger(alignment);
    writer.WriteListEnd();
    writer.WriteInteger(rotation);
    writer.WriteBool(SkipFirstLeading);
    writer.WriteBool(CustomLeading);
    writer.WriteInteger(CustomLeadingSize);
    const QByteArray content = SaveContent();
    writer.WriteInt32(int32_t(content.size()));
    writer.WriteBytes(content);
}

QByteArray TZpRVData::SaveContent() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    writer.WriteString(kContentSignature);
    writer.WriteInteger(kContentVersion);
    writer.WriteListBegin();
    for (const TZpParagraph& paragraph : FParagraphs) {
        writer.WriteInteger(paragraph.ParaStyle);
        writer.WriteListBegin();
        for (const TZpRun& run : paragraph.Runs) {
            writer.WriteInteger(run.Style);
            writer.WriteString(run.Text);
        }
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
    return bytes;
}

bool TZpRVData::LoadContent(const QByteArray& bytes) {
    Clear();
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    std::vector<TZpParagraph> paragraphs;
    try {
        if (reader.ReadString() != kContentSignature || reader.ReadInteger() != kContentVersion)
            return false;
        const auto valid = [](int32_t index, size_t count) { return index >= 0 && size_t(index) < count; };
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
            TZpParagraph paragraph;
            paragraph.ParaStyle = reader.ReadInteger();
            if (!valid(paragraph.ParaStyle, FParaStyles.size()))
                return false;
            reader.ReadListBegin();
            while (!reader.EndOfList()) {
                TZpRun run;
                run.Style = reader.ReadInteger();
                if (!valid(run.Style, FTextStyles.size()))
                    return false;
                run.Text = reader.ReadString();
                paragraph.Runs.push_back(std::move(run));
            }
            reader.ReadListEnd();
            paragraphs.push_back(std::move(paragraph));
        }
        reader.ReadListEnd();
    } catch (const EZpReadError&) {
        return false;
    }
    if (reader.Remaining() != 0)
        return false;
    SetParagraphs(std::move(paragraphs));
    return true;
}

} // namespace zp
