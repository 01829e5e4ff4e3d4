// SPDX-License-Identifier: MIT
#include "platform/dialogs/DialogServices.h"

#include "platform/dialogs/NonInteractiveDialogs.h"

namespace zp {

namespace {
std::unique_ptr<IZpDialogs>& Current() {
    static std::unique_ptr<IZpDialogs> dialogs = std::make_unique<TZpNonInteractiveDialogs>();
    return dialogs;
}
QHash<QString, QString>& Answers() {
    static QHash<QString, QString> answers;
    return answers;
}
} // namespace

std::unique_ptr<IZpProgress> IZpDialogs::CreateProgress(TZpProgressKind) {
    return std::make_unique<TZpQuietProgress>();
}

void SetPromptAnswers(QHash<QString, QString> answers) {
    Answers() = std::move(answers);
}

const QHash<QString, QString>& PromptAnswers() {
    return Answers();
}

IZpDialogs& ZpDialogs() {
    return *Current();
}

std::unique_ptr<IZpDialogs> SetZpDialogs(std::unique_ptr<IZpDialogs> dialogs) {
    std::unique_ptr<IZpDialogs> previous = std::move(Current());
    Current() = dialogs ? std::move(dialogs) : std::make_unique<TZpNonInteractiveDialogs>();
    return previous;
}

void ShowMessage(TZpMsgKind kind, const QString& text) {
    (void)ZpDialogs().MessageBox(kind, text, TZpButtons::Ok, TZpAnswer::Ok);
}

bool Confirm(const QString& text, bool defaultYes) {
    return ZpDialogs().MessageBox(TZpMsgKind::Confirmation, text, TZpButtons::YesNo,
                                  defaultYes ? TZpAnswer::Yes : TZpAnswer::No) == TZpAnswer::Yes;
}

} // namespace zp
