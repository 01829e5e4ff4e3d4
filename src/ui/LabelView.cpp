// SPDX-License-Identifier: MIT
#include "ui/LabelView.h"

#include "model/document/LabelDocument.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace zp {

namespace {
constexpr int kMargin = 24;
}

TZpLabelView::TZpLabelView(TZpLabelDocument& document, QWidget* parent)
    : QWidget(parent), FDocument(&document) {
    setObjectName(QStringLiteral("zpDesign"));
    setAccessibleName(QStringLiteral("Label design area"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

double TZpLabelView::Zoom() const {
    return FDocument->Environment().Scale() / 100.0;
}

QSize TZpLabelView::sizeHint() const {
    return {int(FDocument->Layout().Width * logicalDpiX() * Zoom()) + 2 * kMargin,
            int(FDocument->Layout().Height * logicalDpiY() * Zoom()) + 2 * kMargin};
}

void TZpLabelView::LabelChanged() {
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

void TZpLabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(kMargin, kMargin);
    p.scale(Zoom(), Zoom());
    DrawLabelThumbnail(FDocument->Objects(), FDocument->Environment(), FDocument->Layout(), p, QPointF(0, 0));
    if (OnFirstPaint)
        std::exchange(OnFirstPaint, nullptr)();
}

void TZpLabelView::mouseMoveEvent(QMouseEvent* event) {
    if (OnPointerMoved)
        OnPointerMoved((event->position() - QPointF(kMargin, kMargin)) / Zoom());
    QWidget::mouseMoveEvent(event);
}

void TZpLabelView::contextMenuEvent(QContextMenuEvent* event) {
    if (ContextMenuAllowed && !ContextMenuAllowed())
        return;
    if (QMenu* menu = findChild<QMenu*>(QStringLiteral("puMenu"), Qt::FindDirectChildrenOnly))
        menu->popup(event->globalPos());
}

} // namespace zp
