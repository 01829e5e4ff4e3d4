// SPDX-License-Identifier: MIT
#include "model/objects/PictureObject.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "base/ValueStream.h"
#include "data/WaitCursor.h"
#include "model/picture/DibTransform.h"
#include "model/picture/PictureLimits.h"
#include "model/picture/PictureLoader.h"
#include "platform/dialogs/DialogServices.h"

#include <QFileInfo>
#include <QIODevice>
#include <QPainter>
#include <QTransform>
#include <cstdint>
#include <cstdlib>

namespace zp {

namespace {

[[noreturn]] void InvalidImage() {
    throw EZpReadError(QStringLiteral("Invalid property value"));
}

} // namespace

TZpPictureObject::TZpPictureObject() {
    FData.SetKind(dkStaticText);
    SetSizing(szAspectRatio);
}

void* TZpPictureObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpData))
        return static_cast<IZpData*>(&FData);
    if (iid == typeid(IZpPaint))
        return static_cast<IZpPaint*>(this);
    if (iid == typeid(IZpGraphic))
        return static_cast<IZpGraphic*>(this);
    if (iid == typeid(IZpRotation))
        return static_cast<IZpRotation*>(this);
    if (iid == typeid(IZpEdit))
        return static_cast<IZpEdit*>(this);
    if (iid == typeid(IZpDataCallback))
        return static_cast<IZpDataCallback*>(this);
    return TZpObject::QueryInterface(iid);
}

// A stored image is a whole bitmap file; its bits must cover every row the
// header announces, so that nothing drawing it reads past the end.
void TZpPictureObject::SetImageFromBitmapFile(const QByteArray& file) {
    if (file.isEmpty()) {
        StoreImage({}, {});
        return;
    }
    const TZpBitmapFileInfo info = InspectBitmapFile(file);
    if (!info.Complete)
        InvalidImage();
    if (!PictureSizeAllowed(info.Width, info.Height))
        throw EZpReadError(
            PictureTooLargeMessage(QStringLiteral("A picture of the label"), info.Width, info.Height));
    StoreImage(SplitBitmapFile(file), {});
}

QByteArray TZpPictureObject::ImageAsBitmapFile() const {
    return DibToBitmapFile(Dib());
}

TZpDib TZpPictureObject::Dib() const {
    return TZpDib{FImageInfo, FImageBits, FImageWidth, FImageHeight};
}

// image is the picture the bitmap shows when the caller has it at hand;
// otherwise it is decoded from the bitmap when first drawn.
void TZpPictureObject::StoreImage(const TZpDib& dib, const QImage& image) {
    FImageInfo = dib.Info;
    FImageBits = dib.Bits;
    FImageWidth = dib.Width;
    FImageHeight = dib.Height;
    FImage = image;
    FImageMade = !image.isNull();
    FTiles.Clear();
    FDataFile.clear();
}

const QImage& TZpPictureObject::Image() const {
    if (!FImageMade) {
        FImage = ImageFromDib(Dib());
        FImageMade = true;
    }
    return FImage;
}

void TZpPictureObject::Draw(QPainter& canvas) {
    if (!HasImage() || Image().isNull()) {
        if (!IsPrintCanvas(canvas))
            DrawPictureOutline(canvas, FBounds);
        return;
    }
    DrawPictureImage(canvas, Image(), FBounds, {FStretch, FAlternatePrint, ScreenPixelsPerInch(), LabelDPI()},
                     FTiles);
}

// The object takes the image's proportions: the width stays, the height follows.
void TZpPictureObject::TakeImageProportions() {
    FTrackRect = FBounds;
    FAspectRect = TRect{0, 0, FImageWidth, FImageHeight};
    if (FImageWidth != 0)
        FBounds.Bottom = FBounds.Top + Round(double(FBounds.Width()) * FImageHeight / FImageWidth);
}

// The file is decoded in full before anything of the old image is given up,
// so a file that does not decode leaves the picture as it was.
void TZpPictureObject::LoadFile(const QString& fileName, bool turnByRotation) {
    TZpWaitCursor wait;
    QImage image = LoadPictureFile(fileName, std::max(1, FBounds.Width()));
    if (turnByRotation && FRotation % 90 == 0 && FRotation % 360 != 0)
        image = image.transformed(QTransform().rotate(-FRotation)); // counter-clockwise, as SetRotation turns
    StoreImage(DibFromImage(image), image);
    TakeImageProportions();
}

void TZpPictureObject::LoadFromFile(const QString& fileName) {
    LoadFile(fileName, false);
}

void TZpPictureObject::LoadImageFromStream(QIODevice& stream) {
    const QByteArray bytes = stream.readAll();
    TZpPictureObject probe;
    probe.SetImageFromBitmapFile(bytes);
    if (probe.HasImage() && probe.Image().isNull())
        InvalidImage();
    StoreImage(probe.Dib(), probe.Image());
}

void TZpPictureObject::AssignBitmap(const QImage& bitmap) {
    if (!PictureSizeAllowed(bitmap.width(), bitmap.height()))
        throw EZpError(PictureTooLargeMessage(QStringLiteral("The bitmap"), bitmap.width(), bitmap.height()));
    StoreImage(DibFromImage(bitmap), bitmap);
}

void TZpPictureObject::SetRotation(int32_t degrees) {
    const int32_t old = FRotation;
    if (degrees == old)
        return;
    const int64_t turn = ((int64_t(degrees) - old) % 360 + 360) % 360;
    if (HasImage() && turn % 90 == 0 && turn != 0) {
        TZpWaitCursor wait;
        const QString dataFile = FDataFile;
        const qint64 dataFileSize = FDataFileSize;
        const QDateTime dataFileTime = FDataFileTime;
        StoreImage(TransformDib(Dib(), turn == 90    ? TZpDibTurn::Ccw90
                                       : turn == 180 ? TZpDibTurn::Half
                                                     : TZpDibTurn::Cw90),
                   {});
        // Still the data file's picture, turned as the object now is.
        FDataFile = dataFile;
        FDataFileSize = dataFileSize;
        FDataFileTime = dataFileTime;
    }
    if (turn == 90 || turn == 270) {
        const int32_t width = FBounds.Width(), height = FBounds.Height();
        FBounds.Right = FBounds.Left + height;
        FBounds.Bottom = FBounds.Top + width;
        FAspectRect = FBounds;
    }
    FRotation = degrees;
}

void TZpPictureObject::Flip(bool vertical) {
    if (!HasImage())
        return;
    TZpWaitCursor wait;
    StoreImage(TransformDib(Dib(), vertical ? TZpDibTurn::FlipVertical : TZpDibTurn::FlipHorizontal), {});
}

void TZpPictureObject::BeginEdit(QWidget*, const TRect&) {
    const auto name =
        ZpDialogs().OpenFileName(QStringLiteral("Select Image"), QString(), PictureFileFilter());
    if (!name)
        return;
    LoadFromFile(*name);
    SetBounds(GetBounds());
}

// A data-aware picture shows the file its data names. Records that name the
// same unchanged file keep the image they have (the very same image, turned
// as the object is); a record with no usable name keeps the previous image.
void TZpPictureObject::DataChanged() {
    const QString name = FData.GetText();
    if (name.isEmpty())
        return;
    const QFileInfo info(name);
    if (!info.isFile())
        return;
    if (HasImage() && name == FDataFile && info.size() == FDataFileSize &&
        info.lastModified() == FDataFileTime)
        return;
    LoadFile(name, true);
    FDataFile = name;
    FDataFileSize = info.size();
    FDataFileTime = info.lastModified();
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
