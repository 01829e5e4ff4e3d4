// SPDX-License-Identifier: MIT
#include "data/dialogs/WizardBase.h"

#include "platform/dialogs/DialogServices.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace zp {

namespace {

class TRefuseValidator : public QValidator {
public:
    TRefuseValidator(QObject* parent, QString refused) : QValidator(parent), FRefused(std::move(refused)) {}
    State validate(QString& input, int&) const override {
        for (const QChar c : input) {
            if (FRefused.contains(c)) {
                QApplication::beep();
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    QString FRefused;
};

} // namespace

void RefuseCharacters(QLineEdit* edit, const QString& characters) {
    edit->setValidator(new TRefuseValidator(edit, characters));
}

TZpWizard::TZpWizard(QWidget* parent, const QString& caption) : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* banner = new QFrame(this);
    banner->setAutoFillBackground(true);
    banner->setBackgroundRole(QPalette::Base);
    auto* bannerLayout = new QVBoxLayout(banner);
    FTitle = new QLabel(banner);
    QFont bold = FTitle->font();
    bold.setBold(true);
    FTitle->setFont(bold);
    FTask = new QLabel(banner);
    bannerLayout->addWidget(FTitle);
    bannerLayout->addWidget(FTask);
    layout->addWidget(banner);
    FStack = new QStackedWidget(this);
    layout->addWidget(FStack, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    FBack = new QPushButton(QStringLiteral("< &Back"), this);
    FNext = new QPushButton(QStringLiteral("&Next >"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    FNext->setDefault(true);
    buttons->addWidget(FBack);
    buttons->addWidget(FNext);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(FBack, &QPushButton::clicked, this, [this] { Back(); });
    connect(FNext, &QPushButton::clicked, this, [this] { Next(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(660, 480);
}

int TZpWizard::AddPage(QWidget* page, const QString& title, const QString& task) {
    FTitles << title;
    FTasks << task;
    return FStack->addWidget(page);
}

int TZpWizard::CurrentPage() const {
    return FStack->currentIndex();
}

void TZpWizard::ShowPage(int index) {
    FStack->setCurrentIndex(index);
    FTitle->setText(FTitles.value(index));
    FTask->setText(FTasks.value(index));
    FBack->setEnabled(index > 0);
    FNext->setText(index == LastPage() ? QStringLiteral("&Finish") : QStringLiteral("&Next >"));
}

void TZpWizard::Next() {
    const int page = CurrentPage();
    if (page == LastPage()) {
        if (Finish()) {
            FClosing = true;
            accept();
        }
        return;
    }
    const int next = NextPage(page);
    if (next >= 0) {
        ShowPage(next);
    }
}

void TZpWizard::Back() {
    const int page = CurrentPage();
    if (page > 0) {
        ShowPage(PriorPage(page));
    }
}

void TZpWizard::reject() {
    if (CurrentPage() != LastPage() && !Confirm(QStringLiteral("Are you sure you want to exit?"), false)) {
        return;
    }
    FClosing = true;
    QDialog::reject();
}

void TZpWizard::done(int result) {
    // Closing by the window frame goes through reject() first.
    QDialog::done(result);
}

} // namespace zp
