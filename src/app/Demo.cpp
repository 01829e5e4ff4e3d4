// SPDX-License-Identifier: MIT
#include "app/Demo.h"

#include "model/base/LabelDpi.h"
#include "model/document/LabelDocument.h"
#include "model/objects/ShapeObjects.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace zp {

namespace {

template <class T>
std::shared_ptr<T> Add(TZpLabelDocument& doc, TRect bounds) {
    auto obj = std::make_shared<T>();
    obj->SetBoundsExact(bounds);
    doc.Add(obj);
    return obj;
}

} // namespace

void BuildSampleLabel(TZpLabelDocument& doc) {
    // A 4 x 2 inch shipping label at 300 label pixels per inch.
    TLabelProperties& layout = doc.Layout();
    layout.Width = 4.0f;
    layout.Height = 2.0f;
    layout.LabelShape = lsRoundRect;
    layout.EllipseWidth = 0.25f;
    layout.EllipseHeight = 0.25f;

    auto frame = Add<TZpRoundRectObject>(doc, {15, 15, 1185, 585});
    frame->SetEllipseSize(0.15f);
    frame->LineStyle().SetWidth(6);

    auto logo = Add<TZpCircleObject>(doc, {45, 45, 195, 195});
    logo->FillStyle().SetStyle(bsSolid);
    logo->FillStyle().SetColor(0x6F4A2B);
    logo->LineStyle().SetStyle(psClear);

    auto band = Add<TZpRectangleObject>(doc, {225, 60, 1155, 180});
    band->FillStyle().SetStyle(bsFDiagonal);
    band->FillStyle().SetColor(0x808080);
    band->LineStyle().SetWidth(2);

    auto divider = Add<TZpLineConstraint>(doc, {30, 225, 1170, 225});
    divider->LineStyle().SetWidth(4);

    auto box = Add<TZpRectangleObject>(doc, {60, 270, 540, 555});
    box->FillStyle().SetStyle(bsCross);
    box->FillStyle().SetColor(0xC0C0C0);
    box->FillStyle().SetTransparent(false);

    auto check = Add<TZpLineObject>(doc, {600, 540, 1140, 270});
    check->LineStyle().SetWidth(8);
    check->LineStyle().SetColor(0x0000C0);

    doc.SetModified(false);
}

int RunDemo(const QStringList& arguments) {
    const QString outDir = arguments.value(1, QDir::currentPath());
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "zentaprint: cannot create the folder \"%s\"\n", outDir.toUtf8().constData());
        return 1;
    }
    SetLabelDPI(300);
    TZpLabelDocument doc;
    BuildSampleLabel(doc);

    constexpr int kDpi = 300;
    QImage image(int(doc.Layout().Width * kDpi), int(doc.Layout().Height * kDpi), QImage::Format_ARGB32);
    image.setDotsPerMeterX(qRound(kDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kDpi / 0.0254));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawLabelThumbnail(doc.Objects(), doc.Environment(), doc.Layout(), painter);
    painter.end();

    const QString path = QDir(outDir).absoluteFilePath(QStringLiteral("sample-label.png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "zentaprint: cannot write \"%s\"\n", path.toUtf8().constData());
        return 1;
    }
    std::printf("Rendered the sample label (%zu objects, %dx%d dots at %d dpi) to %s\n", doc.Objects().size(),
                image.width(), image.height(), kDpi, path.toUtf8().constData());
    return 0;
}

} // namespace zp
