// SPDX-License-Identifier: MIT
#include "design/edit/Clipboard.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "design/edit/EditSession.h"
#include "files/LabelFile.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextObject.h"
#include "model/objects/ZpObject.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <climits>
#include <cmath>

namespace zp {

namespace {

// A label file of this size is far beyond any real one; bigger blocks are
// refused before they are copied or parsed.
constexpr qsizetype kMaxBlock = 64 * 1024 * 1024;
// The largest picture Copy renders or Paste accepts, in pixels.
constexpr qint64 kMaxPixels = 100'000'000;

const QString kTextPlain = QStringLiteral("text/plain");
const QString kTextUtf8 = QStringLiteral("text/plain;charset=utf-8");
const QString kPng = QStringLiteral("image/png");
const QString kSvg = QStringLiteral("image/svg+xml");

bool IsTextFormat(const QString& f) {
    return f == kTextPlain || f == kTextUtf8;
}

bool IsBitmapFormat(const QString& f) {
    if (f == QLatin1String("application/x-qt-image"))
        return true;
    static const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    return f.startsWith(QLatin1String("image/")) && f != kSvg && readable.contains(f.toLatin1());
}

// Vector pictures of other programs; they count as pictures for Paste but
// cannot be decoded into one.
bool IsMetafileFormat(const QString& f) {
    return f == QLatin1String("image/x-wmf") || f == QLatin1String("image/wmf") ||
           f == QLatin1String("image/x-emf") || f == QLatin1String("image/emf") || f == kSvg;
}

QString ClipboardText(const QMimeData& mime) {
    if (mime.hasFormat(kTextUtf8))
        return QString::fromUtf8(mime.data(kTextUtf8));
    return mime.text();
}

QImage ClipboardBitmap(const QMimeData& mime) {
    QImage image;
    if (mime.hasFormat(kPng))
        image = QImage::fromData(mime.data(kPng), "PNG");
    if (image.isNull() && mime.hasImage())
        image = qvariant_cast<QImage>(mime.imageData());
    for (const QString& f : mime.formats()) {
        if (!image.isNull())
            break;
        if (IsBitmapFormat(f) && f.startsWith(QLatin1String("image/"))) {
            QByteArray bytes = mime.data(f);
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer);
            reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)));
            image = reader.read();
        }
    }
    return image;
}

TRect CoveredRect(const TZpObjectList& objects) {
    TRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const TZpObjectPtr& o : objects)
        if (auto* obj = Supports<IZpObject>(o)) {
            const TRect b = obj->GetBounds();
            r.Left = std::min({r.Left, b.Left, b.Right});
            r.Top = std::min({r.Top, b.Top, b.Bottom});
            r.Right = std::max({r.Right, b.Left, b.Right});
            r.Bottom = std::max({r.Bottom, b.Top, b.Bottom});
        }
    return r;
}

void DrawObjects(const TZpObjectList& objects, QPainter& painter, const TRect& area, int ppi) {
    const double scale = double(ppi) / LabelDPI();
    ApplyLabelMapping(painter, QPointF(-area.Left * scale, -area.Top * scale), LabelDPI());
    for (const TZpObjectPtr& o : objects)
        if (auto* paint = Supports<IZpPaint>(o))
            paint->Draw(painter);
}

void AddPictures(QMimeData& mime, const TZpObjectList& objects, int ppi) {
    const TRect area = CoveredRect(objects);
    if (area.Left > area.Right || ppi <= 0)
        return;
    const double scale = double(ppi) / LabelDPI();
    const int width = std::max(1, int(std::ceil((double(area.Right) - area.Left + 1) * scale)));
    const int height = std::max(1, int(std::ceil((double(area.Bottom) - area.Top + 1) * scale)));
    if (qint64(width) * height > kMaxPixels)
        return;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawObjects(objects, painter, area, ppi);
    }
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    image.save(&pngBuffer, "PNG");
    mime.setData(kPng, png);

    QByteArray svgBytes;
    QBuffer svgBuffer(&svgBytes);
    svgBuffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&svgBuffer);
    svg.setResolution(ppi);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    {
        QPainter painter(&svg);
        DrawObjects(objects, painter, area, ppi);
    }
    mime.setData(kSvg, svgBytes);
}

} // namespace

QString NoClipboardFormatMessage() {
    return QStringLiteral("Format does not exist on the clipboard...cannot paste.");
}

QString InvalidClipboardBlockMessage() {
    return QStringLiteral("Invalid global memory handle on clipboard...pasting is impossible.");
}

bool OffersObjects(const QMimeData& mime) {
    return mime.hasFormat(QLatin1String(kObjectsMimeType));
}

bool OffersText(const QMimeData& mime) {
    const QStringList formats = mime.formats();
    return std::any_of(formats.begin(), formats.end(), IsTextFormat);
}

bool OffersBitmap(const QMimeData& mime) {
    const QStringList formats = mime.formats();
    return std::any_of(formats.begin(), formats.end(), IsBitmapFormat);
}

bool OffersPicture(const QMimeData& mime) {
    if (OffersBitmap(mime))
        return true;
    const QStringList formats = mime.formats();
    return std::any_of(formats.begin(), formats.end(), IsMetafileFormat);
}

bool CanPasteFrom(const QMimeData& mime) {
    return OffersObjects(mime) || OffersText(mime) || OffersBitmap(mime);
}

std::vector<TZpPasteChoice> PasteSpecialChoices(const QMimeData& mime, int* preselected) {
    std::vector<TZpPasteChoice> list;
    bool objects = false, text = false, bitmap = false;
    for (const QString& f : mime.formats()) {
        if (f == QLatin1String(kObjectsMimeType) && !objects) {
            objects = true;
            list.push_back({TZpPasteKind::Objects, QStringLiteral("Zentaprint Object")});
        } else if (IsTextFormat(f) && !text) {
            text = true;
            list.push_back({TZpPasteKind::Text, QStringLiteral("New Text Object")});
            list.push_back({TZpPasteKind::Barcode, QStringLiteral("New Barcode Object")});
        } else if (IsBitmapFormat(f) && !bitmap) {
            bitmap = true;
            list.push_back({TZpPasteKind::Picture, QStringLiteral("New Picture Object")});
        }
    }
    if (preselected) {
        *preselected = -1;
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].Kind == TZpPasteKind::Objects)
                *preselected = int(i);
    }
    return list;
}

std::unique_ptr<QMimeData> ObjectsToMimeData(const TZpObjectList& objects, int screenPpi) {
    auto mime = std::make_unique<QMimeData>();
    QByteArray block;
    QBuffer buffer(&block);
    buffer.open(QIODevice::WriteOnly);
    WriteObjectList(objects, buffer);
    mime->setData(QLatin1String(kObjectsMimeType), block);
    AddPictures(*mime, objects, screenPpi);
    QStringList texts;
    for (const TZpObjectPtr& o : objects) {
        const QString cls = o->GetClassName();
        if (cls != QLatin1String("TZpTextObject") && cls != QLatin1String("TZpBarcodeObject"))
            continue;
        if (auto* data = Supports<IZpData>(o))
            texts << data->GetText();
    }
    if (!texts.isEmpty()) {
        const QString text = texts.join(QLatin1Char('\n'));
        mime->setText(text);
        mime->setData(kTextUtf8, text.toUtf8());
    }
    return mime;
}

std::unique_ptr<QMimeData> TZpClipboard::Copy(int screenPpi) const {
    if (FSession.SelectedCount() == 0)
        return nullptr;
    TZpObjectList ordered;
    for (const TZpObjectPtr& o : FSession.Objects())
        if (FSession.IsSelected(o))
            ordered.push_back(o);
    return ObjectsToMimeData(ordered, screenPpi);
}

std::unique_ptr<QMimeData> TZpClipboard::Cut(int screenPpi) {
    FPasteOffset = {0, 0};
    std::unique_ptr<QMimeData> mime = Copy(screenPpi);
    if (mime)
        FSession.DeleteSelected();
    return mime;
}

void TZpClipboard::Paste(const QMimeData& mime, const TZpPasteView& view) {
    if (OffersObjects(mime))
        PasteObjects(mime, view);
    else if (OffersPicture(mime))
        PastePicture(mime, view.ScreenPpi);
    else if (OffersText(mime))
        PasteAsText(mime);
    else
        throw EZpError(NoClipboardFormatMessage());
}

void TZpClipboard::PasteAs(TZpPasteKind kind, const QMimeData& mime, const TZpPasteView& view) {
    switch (kind) {
    case TZpPasteKind::Objects:
        PasteObjects(mime, view);
        break;
    case TZpPasteKind::Text:
        PasteAsText(mime);
        break;
    case TZpPasteKind::Barcode:
        PasteAsBarcode(mime);
        break;
    case TZpPasteKind::Picture:
        PastePicture(mime, view.ScreenPpi);
        break;
    }
}

TZpObjectList TZpClipboard::ReadBlock(const QByteArray& block) {
    if (block.isEmpty() || block.size() > kMaxBlock)
        throw EZpError(InvalidClipboardBlockMessage());
    QByteArray copy = block;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TZpObjectList pasted;
    // The reader appends only a list it read whole, so a damaged block adds nothing.
    (void)ReadObjectList(pasted, buffer);
    // Placing moves objects by offsets; coordinates past any real label
    // would overflow on the way.
    constexpr int32_t kMaxCoordinate = 1 << 24;
    const auto far = [](int32_t v) { return v > kMaxCoordinate || v < -kMaxCoordinate; };
    for (const TZpObjectPtr& o : pasted) {
        const TRect b = o->GetBounds();
        if (far(b.Left) || far(b.Top) || far(b.Right) || far(b.Bottom))
            throw EZpError(InvalidClipboardBlockMessage());
    }
    return pasted;
}

void TZpClipboard::AddPasted(const TZpObjectList& pasted, const std::function<TRect(TRect)>& place) {
    TZpObjectList& objects = FSession.Document().Objects();
    const size_t first = objects.size();
    objects.insert(objects.end(), pasted.begin(), pasted.end());
    FSession.ClearSelection();
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::Paste));
    const int32_t group = FSession.NewGroupId();
    try {
        for (size_t i = 0; i < pasted.size(); ++i) {
            const TZpObjectPtr& o = pasted[i];
            event->AddItem(FSession.PresenceItem(o, true, first + i));
            auto* obj = Supports<IZpObject>(o);
            obj->SetBounds(place(obj->GetBounds()));
            if (auto* data = Supports<IZpData>(o)) {
                data->SetConnections(&FSession.Document().Connections());
                const QString name = data->GetName();
                if (name.isEmpty() || FSession.FindObjectByDataName(name) != o)
                    FSession.MakeUniqueDataName(o);
            }
            if (obj->GetGroupId() != -1)
                obj->SetGroupId(group);
            FSession.SelectObject(o);
        }
    } catch (...) {
        FSession.PushEvent(event, TZpChange::ObjectsAdded | TZpChange::Selection, true);
        throw;
    }
    FSession.PushEvent(event, TZpChange::ObjectsAdded | TZpChange::Selection, true);
}

void TZpClipboard::PasteObjects(const QMimeData& mime, const TZpPasteView& view) {
    if (!OffersObjects(mime))
        throw EZpError(NoClipboardFormatMessage());
    const TZpObjectList pasted = ReadBlock(mime.data(QLatin1String(kObjectsMimeType)));
    const TRect& client = view.ClientRect;
    auto inside = [&client](int x, int y) {
        return x >= client.Left && x < client.Right && y >= client.Top && y < client.Bottom;
    };
    AddPasted(pasted, [&](TRect r) {
        FPasteOffset.X += 10;
        FPasteOffset.Y += 10;
        r.Left += FPasteOffset.X;
        r.Right += FPasteOffset.X;
        r.Top += FPasteOffset.Y;
        r.Bottom += FPasteOffset.Y;
        const TRect d = view.Mapping.LabelToDeviceRect(r);
        if (inside(d.Left, d.Top) || inside(d.Right, d.Bottom))
            return r;
        // Moved to the window's corner with its size in label pixels: a trip
        // through screen pixels would round the copy's size and position.
        const TRect corner = view.Mapping.DeviceToLabelRect(TRect{0, 0, 0, 0});
        return TRect{corner.Left, corner.Top, corner.Left + (r.Right - r.Left),
                     corner.Top + (r.Bottom - r.Top)};
    });
}

void TZpClipboard::DropObjects(const QByteArray& block, TPoint labelPoint) {
    const TZpObjectList pasted = ReadBlock(block);
    if (pasted.empty())
        return;
    const TRect anchor = Supports<IZpObject>(pasted.front())->GetBounds();
    const int dx = labelPoint.X - anchor.Left, dy = labelPoint.Y - anchor.Top;
    AddPasted(pasted, [dx, dy](TRect r) {
        return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    });
}

void TZpClipboard::PastePicture(const QMimeData& mime, int screenPpi) {
    if (!OffersBitmap(mime))
        throw EZpError(NoClipboardFormatMessage());
    const QImage image = ClipboardBitmap(mime);
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxPixels)
        throw EZpError(InvalidClipboardBlockMessage());
    TZpObjectPtr object = CreateObject(QStringLiteral("TZpPictureObject"));
    object->SetSizing(0);
    Supports<IZpGraphic>(object)->AssignBitmap(image);
    const double ppi = screenPpi > 0 ? screenPpi : 96;
    object->SetBounds(TRect{0, 0, int(std::lround(image.width() * LabelDPI() / ppi)),
                            int(std::lround(image.height() * LabelDPI() / ppi))});
    FSession.AddObject(object);
    FSession.ClearSelection();
    FSession.SelectObject(object);
    FSession.SetModified();
}

void TZpClipboard::PasteNewDataObject(const QString& className, const QMimeData& mime) {
    if (!OffersText(mime))
        throw EZpError(NoClipboardFormatMessage());
    TZpObjectPtr object = CreateObject(className);
    if (auto* data = Supports<IZpData>(object)) {
        data->SetKind(dkStaticText);
        data->SetText(ClipboardText(mime));
    }
    // A text object keeps the formatted text it has for static text; a new
    // one must be rebuilt, or it would show its default text.
    if (auto* text = dynamic_cast<TZpTextObject*>(object.get()))
        text->Rebuild();
    FSession.AddObject(object);
    FSession.ClearSelection();
    FSession.SelectObject(object);
}

void TZpClipboard::PasteAsText(const QMimeData& mime) {
    PasteNewDataObject(QStringLiteral("TZpTextObject"), mime);
}

void TZpClipboard::PasteAsBarcode(const QMimeData& mime) {
    PasteNewDataObject(QStringLiteral("TZpBarcodeObject"), mime);
}

} // namespace zp
