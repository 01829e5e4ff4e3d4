// SPDX-License-Identifier: MIT
#include "model/layout/LabelRoutines.h"

#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "base/Rounding.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"

#include <QPainter>

namespace zp {

void RescaleLabel(int32_t newDpi, TZpIDEProperties& ide, const TZpObjectList& objects) {
    if (ide.DPI() == newDpi || newDpi <= 0)
        return;
    const long double r = static_cast<long double>(ide.DPI()) / newDpi;
    auto scale = [r](int32_t v) { return Round(double(v / r)); };
    ide.SetDPI(newDpi);
    for (const TZpObjectPtr& obj : objects) {
        // A bar code's module width and bar height are taken before its
        // bounds change, since setting the bounds may resize the symbol.
        auto* barcode = dynamic_cast<TZpBarcodeObject*>(obj.get());
        const int32_t density = barcode ? barcode->Density : 0;
        const int32_t height = barcode ? barcode->Height : 0;
        const TRect b = obj->GetBounds();
        obj->SetBounds(TRect{scale(b.Left), scale(b.Top), scale(b.Right), scale(b.Bottom)});
        if (auto* line = Supports<IZpLineStyle>(obj))
            line->SetWidth(scale(line->GetWidth()));
        if (barcode) {
            barcode->Density = scale(density);
            barcode->Height = scale(height);
            barcode->HRSpacing = scale(barcode->HRSpacing);
        }
    }
    SetLabelDPI(newDpi);
    // The text band and the rounded density change the symbol's extent; the
    // bounds follow now, not at the first drawing.
    for (const TZpObjectPtr& obj : objects)
        if (auto* barcode = dynamic_cast<TZpBarcodeObject*>(obj.get()))
            barcode->FitBoundsToSymbol();
}

void DrawLabelThumbnail(const TZpObjectList& objects, const TZpIDEProperties&, const TLabelProperties& layout,
                        QPainter& canvas, QPointF deviceOrigin) {
    canvas.save();
    ApplyLabelMapping(canvas, deviceOrigin);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setBrush(Qt::white);
    canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const int dpi = LabelDPI();
    const QRectF outline(0.5, 0.5, Round(double(dpi) * layout.Width) - 1.0,
                         Round(double(dpi) * layout.Height) - 1.0);
    switch (layout.LabelShape) {
    case lsRoundRect:
        canvas.drawRoundedRect(outline, Round(double(dpi) * layout.EllipseWidth) / 2.0,
                               Round(double(dpi) * layout.EllipseHeight) / 2.0, Qt::AbsoluteSize);
        break;
    case lsEllipse:
        canvas.drawEllipse(outline);
        break;
    default:
        canvas.drawRect(outline);
        break;
    }
    for (const TZpObjectPtr& obj : objects)
        if (auto* paint = Supports<IZpPaint>(obj))
            paint->Draw(canvas);
    canvas.restore();
}

} // namespace zp
