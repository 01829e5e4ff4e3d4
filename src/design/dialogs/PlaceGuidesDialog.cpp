// SPDX-License-Identifier: MIT
#include "design/dialogs/PlaceGuidesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zp {

namespace {

QSpinBox* CountSpin(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, 99);
    return spin;
}

QDoubleSpinBox* InchSpin(QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setRange(0, 99);
    spin->setSingleStep(1);
    spin->setDecimals(3);
    return spin;
}

QGroupBox* Group(const QString& title, const QStringList& captions, QWidget* count, QWidget* start,
                 QWidget* space, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* form = new QFormLayout(box);
    form->addRow(captions[0], count);
    form->addRow(captions[1], start);
    form->addRow(captions[2], space);
    for (int i = 0; i < 3; ++i)
        form->itemAt(i, QFormLayout::FieldRole)
            ->widget()
            ->setAccessibleName(QString(captions[i]).remove(QLatin1Char('&')));
    return box;
}

} // namespace

TfrmDialogPlaceGuides::TfrmDialogPlaceGuides(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDialogPlaceGuides"));
    setWindowTitle(QStringLiteral("Place Guides"));
    spnHorizontalCount = CountSpin(this);
    spnHorizontalStart = InchSpin(this);
    spnHorizontalSpace = InchSpin(this);
    spnVerticalCount = CountSpin(this);
    spnVerticalStart = InchSpin(this);
    spnVerticalSpace = InchSpin(this);
    chkClearGuides = new QCheckBox(QStringLiteral("&Clear guides before placing"), this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(
        Group(QStringLiteral("Horizontal Guides"),
              {QStringLiteral("&Guides to place"), QStringLiteral("&Starting position (inches)"),
               QStringLiteral("Space &between (inches)")},
              spnHorizontalCount, spnHorizontalStart, spnHorizontalSpace, this));
    groups->addWidget(
        Group(QStringLiteral("Vertical Guides"),
              {QStringLiteral("G&uides to place"), QStringLiteral("St&arting position (inches)"),
               QStringLiteral("Spac&e between (inches)")},
              spnVerticalCount, spnVerticalStart, spnVerticalSpace, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(chkClearGuides);
    layout->addWidget(buttons);
}

TZpGuidePlacement TfrmDialogPlaceGuides::Placement() const {
    return {spnHorizontalCount->value(), spnHorizontalStart->value(), spnHorizontalSpace->value(),
            spnVerticalCount->value(),   spnVerticalStart->value(),   spnVerticalSpace->value(),
            chkClearGuides->isChecked()};
}

bool PlaceGuides(TZpEditSession& session, QWidget* parent) {
    TfrmDialogPlaceGuides dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    session.PlaceGuides(dialog.Placement());
    return true;
}

} // namespace zp
