// SPDX-License-Identifier: MIT
#include "platform/dialogs/NonInteractiveDialogs.h"

#include "base/Errors.h"
#include "platform/dialogs/TextProgress.h"

#include <unistd.h>

namespace zp {

namespace {
const char* KindName(TZpMsgKind kind) {
    switch (kind) {
    case TZpMsgKind::Warning:
        return "Warning";
    case TZpMsgKind::Confirmation:
        return "Confirm";
    case TZpMsgKind::Information:
        return "Information";
    case TZpMsgKind::Error:
        return "Error";
    }
    return "Message";
}

const char* AnswerName(TZpAnswer answer) {
    switch (answer) {
    case TZpAnswer::Ok:
        return "OK";
    case TZpAnswer::Cancel:
        return "Cancel";
    case TZpAnswer::Yes:
        return "Yes";
    case TZpAnswer::No:
        return "No";
    case TZpAnswer::Ignore:
        return "Ignore";
    }
    return "?";
}
} // namespace

void TZpNonInteractiveDialogs::Say(const QString& line) {
    if (!FOut)
        return;
    std::fputs(line.toUtf8().constData(), FOut);
    std::fputc('\n', FOut);
    std::fflush(FOut);
}

TZpAnswer TZpNonInteractiveDialogs::MessageBox(TZpMsgKind kind, const QString& text, TZpButtons,
                                               TZpAnswer defaultAnswer) {
    Say(QStringLiteral("zentaprint: %1: %2 [%3]")
            .arg(QLatin1String(KindName(kind)), text, QLatin1String(AnswerName(defaultAnswer))));
    return defaultAnswer;
}

// Nobody can type an answer, and printing an empty one would go unnoticed:
// the answer comes from the table the process was given, or the job stops.
bool TZpNonInteractiveDialogs::Prompt(TPromptData& data) {
    const auto answer = PromptAnswers().constFind(data.Caption);
    if (answer == PromptAnswers().cend()) {
        const QString shown = data.Caption.isEmpty() ? QStringLiteral("Enter your data here.") : data.Caption;
        throw EZpError(
            QStringLiteral(
                "The prompt \"%1\" needs an answer, and a run without a display cannot ask for it.")
                .arg(shown));
    }
    data.Value = *answer;
    data.Count = -1;
    Say(QStringLiteral("zentaprint: Input Required: %1 [%2]").arg(data.Caption, data.Value));
    return true;
}

bool TZpNonInteractiveDialogs::LockLabel(const std::function<bool(const TZpPasswordEntry&)>&) {
    Say(QStringLiteral("zentaprint: Lock Label: no display, cancelled"));
    return false;
}

bool TZpNonInteractiveDialogs::UnlockLabel(const std::function<bool(const QString&)>&) {
    Say(QStringLiteral("zentaprint: Unlock Label: no display, cancelled"));
    return false;
}

std::optional<QString> TZpNonInteractiveDialogs::SaveFileName(const QString& caption, const QString&,
                                                              const QString&) {
    Say(QStringLiteral("zentaprint: %1: no display, cancelled").arg(caption));
    return std::nullopt;
}

std::optional<QString> TZpNonInteractiveDialogs::OpenFileName(const QString& caption, const QString&,
                                                              const QString&) {
    Say(QStringLiteral("zentaprint: %1: no display, cancelled").arg(caption));
    return std::nullopt;
}

bool TZpNonInteractiveDialogs::EditObjectProperties(TZpObject&) {
    return false;
}

std::unique_ptr<IZpProgress> TZpNonInteractiveDialogs::CreateProgress(TZpProgressKind kind) {
    const bool terminal = FOut && ::isatty(::fileno(FOut)) == 1;
    return std::make_unique<TZpTextProgress>(FOut, kind, terminal);
}

} // namespace zp
