// SPDX-License-Identifier: MIT
#include "design/dialogs/PasteSpecialDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zp {

TfrmDialogPasteSpecial::TfrmDialogPasteSpecial(const QMimeData& mime, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDialogPasteSpecial"));
    setWindowTitle(QStringLiteral("Paste Special"));
    int preselected = -1;
    FChoices = PasteSpecialChoices(mime, &preselected);
    auto* label = new QLabel(QStringLiteral("Paste objects on clipboard as:"), this);
    lstFormats = new QListWidget(this);
    lstFormats->setAccessibleName(QStringLiteral("Paste objects on clipboard as"));
    for (const TZpPasteChoice& c : FChoices)
        lstFormats->addItem(c.Caption);
    lstFormats->setCurrentRow(preselected);
    if (preselected < 0)
        lstFormats->clearSelection();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    FOk = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lstFormats);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstFormats, &QListWidget::itemSelectionChanged, this, &TfrmDialogPasteSpecial::UpdateOk);
    connect(lstFormats, &QListWidget::itemDoubleClicked, this, [this] {
        if (Choice())
            accept();
    });
    UpdateOk();
}

std::optional<TZpPasteKind> TfrmDialogPasteSpecial::Choice() const {
    const QList<QListWidgetItem*> selected = lstFormats->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return FChoices.at(size_t(lstFormats->row(selected.front()))).Kind;
}

void TfrmDialogPasteSpecial::UpdateOk() {
    FOk->setEnabled(Choice().has_value());
}

} // namespace zp
