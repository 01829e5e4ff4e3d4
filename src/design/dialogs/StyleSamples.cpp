// SPDX-License-Identifier: MIT
#include "design/dialogs/StyleSamples.h"

#include "model/objects/StyleDrawing.h"
#include "model/objects/Styles.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace zp {

QSize StyleSampleSize() {
    return {64, 16};
}

// The samples go through the shapes' own drawing, so a list item looks like
// the fill or line it stands for.
QIcon FillStyleSample(uint8_t style, TColor color, bool transparent) {
    QPixmap pixmap(StyleSampleSize());
    pixmap.fill(transparent ? ToQColor(clBtnFace) : Qt::white);
    QPainter p(&pixmap);
    TZpFillStyle fill;
    fill.SetStyle(style);
    fill.SetColor(color);
    fill.SetTransparent(transparent);
    TZpLineStyle line;
    line.SetStyle(psClear);
    DrawClosedShape(p, fill, line, TRect{1, 1, pixmap.width() - 1, pixmap.height() - 1},
                    TZpShapeKind::Rectangle);
    if (style == bsClear) {
        QFont font = p.font();
        font.setPointSize(6);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("(Clear)"));
    }
    p.end();
    return QIcon(pixmap);
}

QIcon LineStyleSample(uint8_t style, TColor color) {
    QPixmap pixmap(StyleSampleSize());
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    TZpLineStyle line;
    line.SetStyle(style);
    line.SetColor(color);
    line.SetWidth(1);
    const int y = pixmap.height() / 2;
    DrawLineShape(p, line, TPoint{2, y}, TPoint{pixmap.width() - 2, y});
    p.end();
    return QIcon(pixmap);
}

} // namespace zp
