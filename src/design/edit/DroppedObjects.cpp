// SPDX-License-Identifier: MIT
#include "design/edit/DroppedObjects.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextObject.h"

#include <QImageReader>
#include <cmath>

namespace zp {

namespace {

constexpr double kDefaultImagePpi = 96.0;

void AddAndSelect(TZpEditSession& session, const TZpObjectPtr& object) {
    session.AddObject(object);
    session.ClearSelection();
    session.SelectObject(object);
}

} // namespace

TZpObjectPtr AddDroppedPicture(TZpEditSession& session, const QString& fileName, TPoint labelPoint) {
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull())
        throw EZpError(QStringLiteral("\"%1\" is not a picture that can be read.").arg(fileName));
    TZpObjectPtr object = CreateObject(QStringLiteral("TZpPictureObject"));
    auto* graphic = Supports<IZpGraphic>(object);
    graphic->LoadFromFile(fileName);
    auto ppi = [](int dotsPerMeter) { return dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : kDefaultImagePpi; };
    const double dpi = LabelDPI();
    const int w = std::max(1, int(std::lround(image.width() / ppi(image.dotsPerMeterX()) * dpi)));
    const int h = std::max(1, int(std::lround(image.height() / ppi(image.dotsPerMeterY()) * dpi)));
    object->SetBounds({labelPoint.X, labelPoint.Y, labelPoint.X + w, labelPoint.Y + h});
    AddAndSelect(session, object);
    return object;
}

TZpObjectPtr AddDroppedText(TZpEditSession& session, const QString& text, TPoint labelPoint) {
    if (text.trimmed().isEmpty())
        return nullptr;
    TZpObjectPtr object = CreateObject(QStringLiteral("TZpTextObject"));
    Supports<IZpData>(object)->SetText(text);
    // Static text is not rebuilt by the object itself: without this the new
    // object would show its default text.
    if (auto* shown = dynamic_cast<TZpTextObject*>(object.get()))
        shown->Rebuild();
    const TRect b = object->GetBounds();
    object->SetBounds({labelPoint.X, labelPoint.Y, labelPoint.X + b.Width(), labelPoint.Y + b.Height()});
    AddAndSelect(session, object);
    return object;
}

} // namespace zp
