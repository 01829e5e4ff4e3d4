// SPDX-License-Identifier: MIT
#include "ui/StyleBoxes.h"

#include "base/Rounding.h"
#include "model/objects/Interfaces.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QStylePainter>
#include <QToolButton>

namespace zp {

namespace {

Qt::BrushStyle BrushFor(int style) {
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                            Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    return style >= 0 && style < 8 ? styles[style] : Qt::NoBrush;
}

Qt::PenStyle PenFor(int style) {
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    return style >= 0 && style < 7 ? styles[style] : Qt::SolidLine;
}

} // namespace

TZpColorField::TZpColorField(const QString& accessibleName, QWidget* parent)
    : QWidget(parent), FEdit(new QLineEdit(this)), FButton(new QToolButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FEdit->setReadOnly(true);
    FEdit->setFixedWidth(36);
    FEdit->setFocusPolicy(Qt::NoFocus);
    FEdit->setAccessibleName(accessibleName);
    FButton->setText(QStringLiteral("..."));
    FButton->setAccessibleName(QStringLiteral("Choose %1").arg(accessibleName));
    FButton->setToolTip(FButton->accessibleName());
    layout->addWidget(FEdit);
    layout->addWidget(FButton);
    // A line edit grows by default, which would make a toolbar alone on its
    // row spread the field and its neighbours over the whole width.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(accessibleName);
    connect(FButton, &QToolButton::clicked, this, &TZpColorField::Choose);
    SetColor(clBlack);
}

void TZpColorField::SetColor(TColor color, bool uniform) {
    FColor = color;
    QPalette p = FEdit->palette();
    p.setColor(QPalette::Base, uniform ? ToQColor(color) : palette().color(QPalette::Button));
    FEdit->setPalette(p);
    FEdit->setAccessibleDescription(uniform ? ToQColor(color).name() : QStringLiteral("mixed"));
}

void TZpColorField::Choose() {
    std::optional<TColor> chosen;
    if (ChooseColor)
        chosen = ChooseColor(FColor);
    else {
        const QColor c = QColorDialog::getColor(ToQColor(FColor), this, accessibleName());
        if (c.isValid())
            chosen = FromQColor(c);
    }
    if (!chosen)
        return;
    SetColor(*chosen);
    Q_EMIT ColorChosen(*chosen);
}

TZpBrushStyleDelegate::TZpBrushStyleDelegate(std::function<TColor()> color, std::function<bool()> opaque,
                                             QObject* parent)
    : QStyledItemDelegate(parent), FColor(std::move(color)), FOpaque(std::move(opaque)) {}

void TZpBrushStyleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const int style = index.row();
    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight());
    const QRect box = option.rect.adjusted(3, 2, -3, -2);
    painter->fillRect(box, FOpaque() ? QColor(Qt::white) : option.palette.color(QPalette::Button));
    painter->fillRect(box, QBrush(ToQColor(FColor()), BrushFor(style)));
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (style == bsClear) {
        QFont f = painter->font();
        f.setPointSize(6);
        painter->setFont(f);
        painter->setPen(Qt::black);
        painter->drawText(box, Qt::AlignCenter, QStringLiteral("(Clear)"));
    }
    painter->restore();
}

QSize TZpBrushStyleDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {64, 18};
}

TZpPenStyleDelegate::TZpPenStyleDelegate(std::function<TColor()> color, QObject* parent)
    : QStyledItemDelegate(parent), FColor(std::move(color)) {}

void TZpPenStyleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight());
    const QRect box = option.rect.adjusted(3, 2, -3, -2);
    painter->fillRect(box, Qt::white);
    QPen pen(ToQColor(FColor()));
    pen.setStyle(PenFor(index.row()));
    painter->setPen(pen);
    const int y = box.center().y();
    painter->drawLine(box.left() + 2, y, box.right() - 2, y);
    painter->restore();
}

QSize TZpPenStyleDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {64, 18};
}

void TZpStyleComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    QStyleOptionViewItem item;
    item.initFrom(this);
    item.state &= ~QStyle::State_Selected;
    item.rect = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    itemDelegate()->paint(&painter, item, model()->index(currentIndex(), 0));
}

double OnePixelPoints(int dpi) {
    return dpi > 0 ? 72.0 / dpi : 1.0;
}

TZpLineChoice LineStyleChosen(int style, double widthPoints, int dpi) {
    return {style, style != psSolid ? OnePixelPoints(dpi) : widthPoints};
}

TZpLineChoice LineWidthChosen(int style, double widthPoints, int dpi) {
    // Compared in label pixels: a width that rounds to one pixel is one pixel.
    return {LineWidthPixels(widthPoints, dpi) > 1 ? int(psSolid) : style, widthPoints};
}

int32_t LineWidthPixels(double widthPoints, int dpi) {
    return int32_t(Round(widthPoints / 72.0 * dpi));
}

} // namespace zp
