// SPDX-License-Identifier: MIT
#pragma once

#include "model/data/ZpData.h"
#include "model/objects/ZpObject.h"

#include <QByteArray>

namespace zp {

/// The label object that shows an image. The image is held as a
/// device-independent bitmap: the information block (header and colour
/// table) and the pixel bits, each in its own block. This holds its stored
/// state and record; loading picture files, rotating and drawing build on it.
class TZpPictureObject : public TZpObject {
public:
    TZpPictureObject();
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpPictureObject"); }
    [[nodiscard]] int CursorId() const override { return 2008; }

    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

    [[nodiscard]] TZpData& Data() { return FData; }
    [[nodiscard]] bool GetStretch() const { return FStretch; }
    void SetStretch(bool stretch) { FStretch = stretch; }
    [[nodiscard]] bool GetAlternatePrint() const { return FAlternatePrint; }
    void SetAlternatePrint(bool alternate) { FAlternatePrint = alternate; }
    [[nodiscard]] int32_t GetRotation() const { return FRotation; }
    void SetRotationExact(int32_t degrees) { FRotation = degrees; }

    [[nodiscard]] bool HasImage() const { return !FImageInfo.isEmpty(); }
    [[nodiscard]] const QByteArray& ImageInfo() const { return FImageInfo; }
    [[nodiscard]] const QByteArray& ImageBits() const { return FImageBits; }
    [[nodiscard]] int32_t ImageWidth() const { return FImageWidth; }
    [[nodiscard]] int32_t ImageHeight() const { return FImageHeight; }
    /// Replaces the image by a bitmap file (file header, information block,
    /// pixel bits); an empty one removes the image. Raises "Invalid property
    /// value" for bytes that are no complete bitmap.
    void SetImageFromBitmapFile(const QByteArray& file);
    /// The image as a bitmap file; empty when there is none.
    [[nodiscard]] QByteArray ImageAsBitmapFile() const;

private:
    TZpData FData{this};
    QByteArray FImageInfo;
    QByteArray FImageBits;
    int32_t FImageWidth = 0;
    int32_t FImageHeight = 0;
    bool FStretch = true;
    bool FAlternatePrint = false;
    int32_t FRotation = 0;
};

} // namespace zp
