// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace zp {

/// "Lock Label" (password and confirmation) and "Unlock Label" (password):
/// OK closes only when the check passes; the check shows its own message.
class TfrmPassword : public QDialog {
    Q_OBJECT
public:
    enum class TMode { Lock, Unlock };
    TfrmPassword(TMode mode, std::function<bool(const QString&, const QString&)> check, QWidget* parent);
    [[nodiscard]] QString Password() const;

    void accept() override;

private:
    TMode FMode;
    std::function<bool(const QString&, const QString&)> FCheck;
    QLineEdit* edtPassword;
    QLineEdit* edtConfirm = nullptr;
};

} // namespace zp
