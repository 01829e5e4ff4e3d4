// SPDX-License-Identifier: MIT
#include "design/dialogs/FormHelpers.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QVariant>
#include <cmath>

namespace zp {

namespace {
constexpr const char* kUnitProperty = "zpUnitLabel";

QString Plain(QString caption) {
    caption.remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    return caption;
}

QString Number(double v, int decimals) {
    return QLocale::c().toString(v, 'f', decimals);
}
} // namespace

void NameFor(QWidget* widget, const QString& caption) {
    widget->setAccessibleName(Plain(caption));
}

TZpNumberField::TZpNumberField(const QString& caption, double minimum, double maximum, int decimals,
                               const QString& unit, QWidget* parent)
    : QLineEdit(parent), FCaption(caption), FUnit(unit), FMinimum(minimum), FMaximum(maximum),
      FDecimals(decimals) {
    NameFor(this, caption);
    setMaximumWidth(110);
    connect(this, &QLineEdit::textEdited, this, &TZpNumberField::TextEdited);
}

void TZpNumberField::SetRange(double minimum, double maximum) {
    FMinimum = minimum;
    FMaximum = maximum;
}

void TZpNumberField::SetValue(double value) {
    FValue = value;
    // A page that shows its values again while the user types here leaves
    // the text being typed alone ("2." on the way to "2.5").
    if (FInEdit)
        return;
    FBlank = false;
    setText(Number(value, FDecimals));
    Mark(true);
}

void TZpNumberField::SetBlank() {
    FBlank = true;
    clear();
    Mark(true);
}

int TZpNumberField::IntValue() const {
    return int(std::lround(FValue));
}

bool TZpNumberField::IsValid() const {
    return FValid;
}

QString TZpNumberField::Problem() const {
    const QString kind = FDecimals == 0 ? QStringLiteral("a whole number") : QStringLiteral("a number");
    QString range = QStringLiteral("%1 must be %2 from %3 to %4")
                        .arg(Plain(FCaption), kind, Number(FMinimum, FDecimals), Number(FMaximum, FDecimals));
    if (!FUnit.isEmpty())
        range += QLatin1Char(' ') + FUnit;
    return range + QLatin1Char('.');
}

void TZpNumberField::keyPressEvent(QKeyEvent* event) {
    if (FSwallowSigns && (event->text() == QLatin1String("+") || event->text() == QLatin1String("-")))
        return;
    QLineEdit::keyPressEvent(event);
}

// Both the C locale's point and the user's decimal separator are taken, so a
// value typed either way is understood.
void TZpNumberField::TextEdited(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() && FBlank) {
        Mark(true);
        return;
    }
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        v = QLocale().toDouble(t, &ok);
    if (ok && FDecimals == 0 && v != std::floor(v))
        ok = false;
    if (ok && FDecimals > 0) {
        // More decimals than the field keeps are refused, not silently cut.
        const double scaled = v * std::pow(10.0, FDecimals);
        if (std::fabs(scaled - std::round(scaled)) > 1e-6)
            ok = false;
    }
    if (!ok || !std::isfinite(v) || v < FMinimum - 1e-9 || v > FMaximum + 1e-9) {
        Mark(false);
        return;
    }
    FBlank = false;
    FValue = v;
    Mark(true);
    FInEdit = true;
    Q_EMIT ValueEdited(v);
    FInEdit = false;
}

void TZpNumberField::Mark(bool valid) {
    const bool changed = valid != FValid;
    FValid = valid;
    setStyleSheet(valid ? QString() : QStringLiteral("background-color: #ffd0d0;"));
    setToolTip(valid ? QString() : Problem());
    if (changed)
        Q_EMIT ValidityChanged(valid);
}

std::function<bool(QWidget*, TColor&)> TZpPropertyColorButton::Chooser = [](QWidget* parent, TColor& color) {
    const QColor c = QColorDialog::getColor(ToQColor(color), parent);
    if (!c.isValid())
        return false;
    color = FromQColor(c);
    return true;
};

TZpPropertyColorButton::TZpPropertyColorButton(const QString& caption, QWidget* parent)
    : QPushButton(parent) {
    NameFor(this, caption);
    setMinimumWidth(60);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &TZpPropertyColorButton::Choose);
    SetColor(clBlack);
}

void TZpPropertyColorButton::SetColor(TColor color) {
    FColor = color;
    const QColor c = ToQColor(color);
    setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid gray; min-height: 18px;").arg(c.name()));
}

void TZpPropertyColorButton::Choose() {
    TColor c = FColor;
    if (!Chooser || !Chooser(this, c))
        return;
    SetColor(c);
    Q_EMIT ColorChosen(c);
}

QLabel* AddRow(QGridLayout& grid, const QString& caption, QWidget* field, const QString& unit) {
    const int row = grid.rowCount();
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    if (field->accessibleName().isEmpty())
        NameFor(field, caption);
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
    if (!unit.isEmpty()) {
        auto* unitLabel = new QLabel(unit);
        grid.addWidget(unitLabel, row, 2);
        label->setProperty(kUnitProperty, QVariant::fromValue<QObject*>(unitLabel));
    }
    return label;
}

void ShowRow(QLabel* caption, bool visible) {
    caption->setVisible(visible);
    if (QWidget* field = caption->buddy())
        field->setVisible(visible);
    if (auto* unit = qobject_cast<QWidget*>(caption->property(kUnitProperty).value<QObject*>()))
        unit->setVisible(visible);
}

QCheckBox* AddCheck(QGridLayout& grid, const QString& caption) {
    auto* box = new QCheckBox(caption);
    NameFor(box, caption);
    grid.addWidget(box, grid.rowCount(), 0, 1, 3);
    return box;
}

QComboBox* MakeList(QWidget* parent, const QStringList& items) {
    auto* list = new QComboBox(parent);
    for (int i = 0; i < items.size(); ++i)
        list->addItem(items[i], i);
    return list;
}

} // namespace zp
