// SPDX-License-Identifier: MIT
// Shape, picture and common pieces of the 2.x record conversions.
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "legacy/LegacyImportContext.h"
#include "model/data/ZpData.h"
#include "model/objects/PictureObject.h"
#include "model/objects/ShapeObjects.h"

#include <QFileInfo>
#include <QImage>

namespace zp {

void ConvertLegacyText(TLegacyImportContext& c);
void ConvertLegacyBarcode(TLegacyImportContext& c);

void TLegacyImportContext::EnterName(int32_t number, const QString& name) {
    if (number < 0)
        throw EZpReadError(QStringLiteral("List index out of bounds (%1)").arg(number));
    Names[number] = name;
    LastName = std::max(LastName, number);
}

QString TLegacyImportContext::NameAt(int32_t number) const {
    if (number < 0 || number > LastName)
        throw EZpError(QStringLiteral("List index out of bounds (%1)").arg(number));
    return Names.value(number);
}

void UpdateLegacyData(IZpData& data) {
    if (data.GetKind() != dkStaticText && data.GetKind() != dkPrompt)
        data.Update();
}

int32_t LegacyStrToInt(const QString& text) {
    bool ok = false;
    const int32_t value = text.trimmed().toInt(&ok, 10);
    if (!ok || text.trimmed() != text)
        throw EZpError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

namespace {

// The merge field's position counted from 1, as an index; a damaged
// position that has none names no field.
int FieldPosition(int32_t reference) {
    return reference > 0 ? reference - 1 : -1;
}

} // namespace

void SetLegacyDataKind(TLegacyImportContext& c, IZpData& data, const TLegacyBlock& record, uint8_t kind,
                       int stripOffset) {
    const int32_t reference = record.Int32(27);
    switch (kind) {
    case 0:
        data.SetKind(dkStaticText);
        break;
    case 1:
        data.SetKind(dkLink);
        data.SetLinkName(QString::number(reference));
        break;
    case 2:
        if (!c.MergePath.isEmpty() && QFileInfo::exists(c.MergePath)) {
            data.SetKind(dkDatabaseField);
            auto field = std::make_unique<TZpFieldDef>();
            field->Connection = c.MergeDataset;
            field->Dataset = c.MergeDataset;
            field->Field = c.Connections.FieldNameAt(c.MergeDataset, FieldPosition(reference));
            if (stripOffset >= 0) {
                field->StripLeading = record.Byte(stripOffset);
                field->StripTrailing = record.Byte(stripOffset + 1);
                // The counts act only under the character method; without it
                // the field would print unstripped, unlike in 2.x.
                if (field->StripLeading != 0 || field->StripTrailing != 0)
                    field->StripMethod = smCharacters;
            }
            data.AddField(std::move(field));
        } else {
            data.SetKind(dkStaticText);
            data.SetText(QStringLiteral("MERGE"));
        }
        break;
    case 3:
        data.SetKind(dkPrompt);
        break;
    case 4:
        data.SetKind(dkSerialNumber);
        break;
    default:
        break;
    }
}

namespace {

TZpObjectPtr NewShape(uint8_t type) {
    switch (type) {
    case 3:
        return std::make_shared<TZpRoundRectObject>();
    case 4:
        return std::make_shared<TZpCircleObject>();
    case 5:
        return std::make_shared<TZpLineObject>();
    case 6:
        return std::make_shared<TZpLineConstraint>();
    default:
        return std::make_shared<TZpRectangleObject>();
    }
}

void ConvertShape(TLegacyImportContext& c, uint8_t type) {
    const TLegacyBlock b = c.Reader.Block(54, "shape record");
    c.Reader.Skip(32, "shape record");
    TZpObjectPtr obj = NewShape(type);
    auto* object = Supports<IZpObject>(obj);
    object->SetSizing(0);
    object->SetBounds(b.Rect(5));
    if (auto* fill = Supports<IZpFillStyle>(obj)) {
        const uint8_t code = b.Byte(29);
        if (code & 0x80)
            fill->SetTransparent(true);
        fill->SetColor(TColor(b.Int32(46)));
        const uint8_t style = code & 0x7F;
        if (style == 1)
            fill->SetStyle(bsSolid);
        else if (style >= 2 && style <= 7)
            fill->SetStyle(style);
        else if (style == 8)
            fill->SetStyle(bsClear);
    }
    if (auto* line = Supports<IZpLineStyle>(obj)) {
        line->SetStyle(b.Byte(27));
        line->SetWidth(b.Int16(25));
        line->SetColor(TColor(b.Int32(50)));
    }
    if (type == 6)
        object->SetBounds(object->GetBounds());
    c.Objects.push_back(std::move(obj));
}

void ConvertPicture(TLegacyImportContext& c) {
    const TLegacyBlock b = c.Reader.Block(127, "picture record");
    auto picture = std::make_shared<TZpPictureObject>();
    picture->Data().SetConnections(&c.Connections);
    picture->Data().SetName(b.Text(108, 16));
    c.EnterName(b.Int32(1), b.Text(108, 16));
    picture->SetStretch(b.Byte(38) == 0);
    picture->SetSizing(0);
    picture->SetBounds(b.Rect(5));
    picture->SetRotationExact(b.Byte(39) * 90);
    const int32_t reference = b.Int32(27);
    switch (b.Byte(33)) {
    case 0: {
        const int32_t size = c.Reader.Int32("picture");
        if (size < 0)
            throw EZpReadError(QStringLiteral("The 2.x label is damaged: a picture has a negative size."));
        TLegacyBlock bitmap = c.Reader.Block(size, "picture");
        QByteArray bytes = bitmap.Bytes();
        // The bitmap is only as long as its own header says.
        const int32_t own = bitmap.Int32(2);
        if (own > 0 && own < bytes.size())
            bytes.truncate(own);
        QImage image;
        if (image.loadFromData(bytes, "BMP"))
            picture->AssignBitmap(image);
        break;
    }
    case 1:
        picture->Data().SetKind(dkLink);
        picture->Data().SetLinkName(QString::number(reference));
        break;
    case 2:
        if (!c.MergePath.isEmpty() && QFileInfo::exists(c.MergePath)) {
            picture->Data().SetKind(dkDatabaseField);
            auto field = std::make_unique<TZpFieldDef>();
            field->Connection = c.MergeDataset;
            field->Dataset = c.MergeDataset;
            field->Field = c.Connections.FieldNameAt(c.MergeDataset, FieldPosition(reference));
            picture->Data().AddField(std::move(field));
        }
        break;
    default:
        break;
    }
    UpdateLegacyData(picture->Data());
    c.Reader.Skip(32, "picture record");
    c.Objects.push_back(std::move(picture));
}

} // namespace

void ConvertLegacyRecord(TLegacyImportContext& c) {
    const uint8_t type = c.Reader.Peek();
    switch (type) {
    case 1:
        ConvertLegacyText(c);
        return;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 10:
        ConvertShape(c, type);
        return;
    case 7:
        throw EZpError(QStringLiteral("STRING_TYPE"));
    case 8:
        ConvertLegacyBarcode(c);
        return;
    case 9:
        ConvertPicture(c);
        return;
    default:
        // Without a size the rest of the file cannot be found.
        throw EZpReadError(
            QStringLiteral("The 2.x label is damaged: it holds an object of unknown type %1.").arg(type));
    }
}

} // namespace zp
