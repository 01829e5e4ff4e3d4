// SPDX-License-Identifier: MIT
#include "ui/LabelView.h"

#include "model/document/LabelDocument.h"

#include <QPainter>

namespace zp {

namespace {
constexpr int kMargin = 24;
}

TZpLabelView::TZpLabelView(TZpLabelDocument& document, QWidget* parent)
    : QWidget(parent), FDocument(document) {
    setObjectName(QStringLiteral("LabelView"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

QSize TZpLabelView::sizeHint() const {
    return {int(FDocument.Layout().Width * logicalDpiX()) + 2 * kMargin,
            int(FDocument.Layout().Height * logicalDpiY()) + 2 * kMargin};
}

void TZpLabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawLabelThumbnail(FDocument.Objects(), FDocument.Environment(), FDocument.Layout(), p,
                       QPointF(kMargin, kMargin));
}

} // namespace zp
