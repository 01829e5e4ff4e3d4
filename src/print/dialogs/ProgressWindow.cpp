// SPDX-License-Identifier: MIT
#include "print/dialogs/ProgressWindow.h"

#include "platform/dialogs/DialogServices.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zp {

TZpProgressWindow::TZpProgressWindow(TZpProgressKind kind, QWidget* owner) : QDialog(owner), FKind(kind) {
    const bool generating = kind == TZpProgressKind::GeneratingLabels;
    setWindowTitle(
        QLatin1String(generating ? progress_texts::kGeneratingCaption : progress_texts::kCheckingCaption));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    FLine1 = new QLabel(this);
    FLine2 = new QLabel(this);
    layout->addWidget(FLine1);
    if (generating) {
        // The animation: a bar that runs on its own while labels are made.
        FBar = new QProgressBar(this);
        FBar->setRange(0, 0);
        FBar->setTextVisible(false);
        layout->addWidget(FBar);
        layout->addWidget(FLine2);
    } else {
        FLine1->setText(QLatin1String(progress_texts::kCheckingText));
        layout->addWidget(FLine2);
        FBar = new QProgressBar(this);
        layout->addWidget(FBar);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    FAbort = new QPushButton(generating ? tr("Abort") : tr("&Abort"), this);
    buttons->addWidget(FAbort);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(FAbort, &QPushButton::clicked, this, [this] { PressAbort(); });
    setMinimumWidth(320);
}

void TZpProgressWindow::PressAbort() {
    if (FKind == TZpProgressKind::CheckingBarCodes) {
        FCancelled = true;
        return;
    }
    if (Confirm(QLatin1String(progress_texts::kAbortQuestion)))
        FCancelled = true;
}

void TZpProgressWindow::Update(const QString& line1, const QString& line2) {
    if (FLine1->text() != line1)
        FLine1->setText(line1);
    if (FLine2->text() != line2)
        FLine2->setText(line2);
    ShowAndPump();
}

void TZpProgressWindow::SetPosition(int position, int total, const QString& caption) {
    if (FKind == TZpProgressKind::GeneratingLabels)
        return;
    FBar->setRange(0, std::max(total, 1));
    FBar->setValue(std::clamp(position, 0, std::max(total, 1)));
    if (FLine2->text() != caption)
        FLine2->setText(caption);
    ShowAndPump();
}

void TZpProgressWindow::ShowAndPump() {
    if (!isVisible())
        show();
    QApplication::processEvents();
}

std::unique_ptr<IZpProgress> CreateProgressWindow(TZpProgressKind kind) {
    return std::make_unique<TZpProgressWindow>(kind, QApplication::activeWindow());
}

} // namespace zp
