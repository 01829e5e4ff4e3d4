// SPDX-License-Identifier: MIT
#pragma once

#include "model/data/ZpData.h"
#include "model/objects/ZpObject.h"
#include "model/picture/DibImage.h"
#include "model/picture/PictureDrawing.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>

namespace zp {

/// The label object that shows an image. The image is held as a
/// device-independent bitmap: the information block (header and colour
/// table) and the pixel bits, each in its own block. Beside it the object
/// keeps the one QImage it draws, made once per image, so that a run that
/// prints the picture on every label hands the printer the same image.
class TZpPictureObject : public TZpObject,
                         public IZpPaint,
                         public IZpGraphic,
                         public IZpRotation,
                         public IZpEdit,
                         public IZpDataCallback {
public:
    TZpPictureObject();
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpPictureObject"); }
    [[nodiscard]] int CursorId() const override { return 2008; }

    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

    /// The image over the bounds; without an image, a dashed outline on the
    /// screen and in the preview, nothing on paper.
    void Draw(QPainter& canvas) override;

    // IZpGraphic
    [[nodiscard]] bool GetStretch() const override { return FStretch; }
    void SetStretch(bool stretch) override { FStretch = stretch; }
    [[nodiscard]] bool GetAlternatePrint() const override { return FAlternatePrint; }
    void SetAlternatePrint(bool alternate) override { FAlternatePrint = alternate; }
    void Flip(bool vertical) override;
    void LoadImageFromStream(QIODevice& stream) override;
    void AssignBitmap(const QImage& bitmap) override;
    void LoadFromFile(const QString& fileName) override;

    // IZpRotation
    [[nodiscard]] int32_t GetRotation() const override { return FRotation; }
    /// Turns the image by the difference and, for a quarter turn, swaps the
    /// bounds' width and height.
    void SetRotation(int32_t degrees) override;
    void SetRotationExact(int32_t degrees) override { FRotation = degrees; }

    // IZpEdit: the picture file dialog; the rest does nothing for a picture.
    void BeginEdit(QWidget* parent, const TRect& rect) override;
    void EndEdit() override {}
    void Cut() override {}
    void Copy() override {}
    void Paste() override {}

    /// Reloads the picture when the data source's text names an existing
    /// file; keeps the image otherwise.
    void DataChanged() override;

    [[nodiscard]] TZpData& Data() { return FData; }
    [[nodiscard]] bool HasImage() const { return !FImageInfo.isEmpty(); }
    [[nodiscard]] const QByteArray& ImageInfo() const { return FImageInfo; }
    [[nodiscard]] const QByteArray& ImageBits() const { return FImageBits; }
    [[nodiscard]] int32_t ImageWidth() const { return FImageWidth; }
    [[nodiscard]] int32_t ImageHeight() const { return FImageHeight; }
    /// The image as drawn; null without an image or when the stored bitmap
    /// does not decode. The same object until the image changes.
    [[nodiscard]] const QImage& Image() const;
    /// Replaces the image by a bitmap file (file header, information block,
    /// pixel bits); an empty one removes the image. Raises "Invalid property
    /// value" for bytes that are no complete bitmap, and refuses a bitmap
    /// larger than the picture limits.
    void SetImageFromBitmapFile(const QByteArray& file);
    /// The image as a bitmap file; empty when there is none.
    [[nodiscard]] QByteArray ImageAsBitmapFile() const;

private:
    [[nodiscard]] TZpDib Dib() const;
    void StoreImage(const TZpDib& dib, const QImage& image);
    void TakeImageProportions();
    void LoadFile(const QString& fileName, bool turnByRotation);

    TZpData FData{this};
    QByteArray FImageInfo;
    QByteArray FImageBits;
    int32_t FImageWidth = 0;
    int32_t FImageHeight = 0;
    bool FStretch = true;
    bool FAlternatePrint = false;
    int32_t FRotation = 0;

    mutable QImage FImage;
    mutable bool FImageMade = false;
    TZpImageTiles FTiles;
    // The file a data-aware picture shows, so that records naming the same
    // unchanged file keep the image (and a PDF embeds it once).
    QString FDataFile;
    qint64 FDataFileSize = -1;
    QDateTime FDataFileTime;
};

} // namespace zp
