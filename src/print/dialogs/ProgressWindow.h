// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/Progress.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zp {

/// The progress windows of printing as widgets: "Generating Labels" (an
/// animation, two lines and "Abort", which asks before it cancels) and
/// "Checking Bar Codes" (a caption, a bar and "&Abort", which cancels at
/// once). Shown at the first update; every update runs the pending events.
class TZpProgressWindow : public QDialog, public IZpProgress {
public:
    TZpProgressWindow(TZpProgressKind kind, QWidget* owner);

    void Update(const QString& line1, const QString& line2) override;
    void SetPosition(int position, int total, const QString& caption) override;
    [[nodiscard]] bool Cancelled() const override { return FCancelled; }
    void ClearCancel() override { FCancelled = false; }

    /// What the abort button does (tests press it).
    void PressAbort();

private:
    void ShowAndPump();
    TZpProgressKind FKind;
    QLabel* FLine1 = nullptr;
    QLabel* FLine2 = nullptr;
    QProgressBar* FBar = nullptr;
    QPushButton* FAbort = nullptr;
    bool FCancelled = false;
};

/// The maker the program installs in the widget dialog services.
[[nodiscard]] std::unique_ptr<IZpProgress> CreateProgressWindow(TZpProgressKind kind);

} // namespace zp
