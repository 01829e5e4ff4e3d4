// SPDX-License-Identifier: MIT
#include "platform/dialogs/widgets/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zp {

TfrmPassword::TfrmPassword(TMode mode, std::function<bool(const QString&, const QString&)> check,
                           QWidget* parent)
    : QDialog(parent), FMode(mode), FCheck(std::move(check)) {
    const bool lock = mode == TMode::Lock;
    setWindowTitle(lock ? QStringLiteral("Lock Label") : QStringLiteral("Unlock Label"));
    auto* layout = new QVBoxLayout(this);
    auto* text =
        new QLabel(lock ? QStringLiteral("To lock the label enter a password.  No changes can be made until "
                                         "the label is unlocked.")
                        : QStringLiteral("To unlock the label enter the password.  No changes can be made "
                                         "until the label is unlocked."),
                   this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* form = new QFormLayout;
    edtPassword = new QLineEdit(this);
    edtPassword->setEchoMode(QLineEdit::Password);
    auto* lblPassword = new QLabel(QStringLiteral("&Password"), this);
    lblPassword->setBuddy(edtPassword);
    form->addRow(lblPassword, edtPassword);
    if (lock) {
        edtConfirm = new QLineEdit(this);
        edtConfirm->setEchoMode(QLineEdit::Password);
        auto* lblConfirm = new QLabel(QStringLiteral("&Confirm password"), this);
        lblConfirm->setBuddy(edtConfirm);
        form->addRow(lblConfirm, edtConfirm);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmPassword::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmPassword::reject);
    layout->addWidget(buttons);
}

QString TfrmPassword::Password() const {
    return edtPassword->text();
}

void TfrmPassword::accept() {
    const QString confirm = edtConfirm ? edtConfirm->text() : QString();
    if (FCheck && !FCheck(edtPassword->text(), confirm))
        return;
    QDialog::accept();
}

} // namespace zp
