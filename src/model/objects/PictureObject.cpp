// SPDX-License-Identifier: MIT
#include "model/objects/PictureObject.h"

#include "files/ValueStream.h"
#include "model/base/Errors.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace zp {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;

[[noreturn]] void InvalidImage() {
    throw EZpReadError(QStringLiteral("Invalid property value"));
}

uint32_t U32(const QByteArray& b, int at) {
    return qFromLittleEndian<uint32_t>(b.constData() + at);
}
uint16_t U16(const QByteArray& b, int at) {
    return qFromLittleEndian<uint16_t>(b.constData() + at);
}

} // namespace

TZpPictureObject::TZpPictureObject() {
    FData.SetKind(dkStaticText);
    SetSizing(szAspectRatio);
}

void* TZpPictureObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpData))
        return static_cast<IZpData*>(&FData);
    return TZpObject::QueryInterface(iid);
}

// A stored image is a whole bitmap file; its bits must cover every row the
// header announces, so that nothing drawing it reads past the end.
void TZpPictureObject::SetImageFromBitmapFile(const QByteArray& file) {
    if (file.isEmpty()) {
        FImageInfo.clear();
        FImageBits.clear();
        FImageWidth = FImageHeight = 0;
        return;
    }
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M')
        InvalidImage();
    const int64_t bitsOffset = U32(file, 10);
    const int64_t headerSize = U32(file, kFileHeaderSize);
    if (headerSize < kCoreHeaderSize || bitsOffset < kFileHeaderSize + headerSize || bitsOffset > file.size())
        InvalidImage();
    int64_t width, height, bitCount, compression = 0;
    if (headerSize == kCoreHeaderSize) {
        width = U16(file, kFileHeaderSize + 4);
        height = U16(file, kFileHeaderSize + 6);
        bitCount = U16(file, kFileHeaderSize + 10);
    } else {
        if (headerSize < kInfoHeaderSize)
            InvalidImage();
        width = int32_t(U32(file, kFileHeaderSize + 4));
        height = int32_t(U32(file, kFileHeaderSize + 8));
        bitCount = U16(file, kFileHeaderSize + 14);
        compression = U32(file, kFileHeaderSize + 16);
    }
    // A top-down image has a negative height, but the lowest one has no positive counterpart.
    if (width < 0 || height < -INT32_MAX || bitCount == 0 || bitCount > 32)
        InvalidImage();
    const int64_t bitsSize = file.size() - bitsOffset;
    // Uncompressed rows are padded to whole 32-bit words.
    const bool uncompressed = compression == 0 || compression == 3;
    const int64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    if (uncompressed && height != 0 && rowBytes > bitsSize / std::llabs(height))
        InvalidImage();
    FImageInfo = file.mid(kFileHeaderSize, bitsOffset - kFileHeaderSize);
    FImageBits = file.mid(bitsOffset);
    FImageWidth = int32_t(width);
    FImageHeight = int32_t(std::llabs(height));
}

QByteArray TZpPictureObject::ImageAsBitmapFile() const {
    if (!HasImage())
        return {};
    QByteArray file(kFileHeaderSize, '\0');
    const auto offset = uint32_t(kFileHeaderSize + FImageInfo.size());
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<uint32_t>(uint32_t(offset + FImageBits.size()), file.data() + 2);
    qToLittleEndian<uint32_t>(offset, file.data() + 10);
    return file + FImageInfo + FImageBits;
}

void TZpPictureObject::LoadFromStream(TZpReader& reader) {
    TZpObject::LoadFromStream(reader);
    FData.LoadFromStream(reader, FVersion);
    FRotation = reader.ReadInt32();
    FStretch = reader.ReadByte() != 0;
    FAlternatePrint = reader.ReadByte() != 0;
    SetImageFromBitmapFile(reader.ReadBytes(reader.ReadInt32()));
}

void TZpPictureObject::SaveToStream(TZpWriter& writer) {
    TZpObject::SaveToStream(writer);
    FData.SaveToStream(writer);
    writer.WriteInt32(FRotation);
    writer.WriteByte(FStretch ? 1 : 0);
    writer.WriteByte(FAlternatePrint ? 1 : 0);
    const QByteArray image = ImageAsBitmapFile();
    writer.WriteInt32(int32_t(image.size()));
    writer.WriteBytes(image);
}

} // namespace zp
