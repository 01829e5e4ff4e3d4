// SPDX-License-Identifier: MIT
#include "platform/dialogs/ScriptedDialogs.h"

namespace zp {

QStringList TZpScriptedDialogs::Messages() const {
    QStringList texts;
    for (const TQuestion& q : FQuestions)
        if (q.Kind == QLatin1String("message"))
            texts << q.Text;
    return texts;
}

std::optional<TZpScriptedDialogs::TReply> TZpScriptedDialogs::Next() {
    // Built in place: moving the reply through a local of its own made the
    // optimiser think parts of the variant might be read uninitialised.
    std::optional<TReply> reply;
    if (!FReplies.empty()) {
        reply.emplace(std::move(FReplies.front()));
        FReplies.pop_front();
    }
    return reply;
}

TZpAnswer TZpScriptedDialogs::MessageBox(TZpMsgKind kind, const QString& text, TZpButtons buttons,
                                         TZpAnswer defaultAnswer) {
    FQuestions.push_back({QStringLiteral("message"), text, kind, buttons});
    // Only a queued button answers a message box, so messages shown from
    // inside a dialog's check do not eat that dialog's entries.
    if (!FReplies.empty() && std::holds_alternative<TZpAnswer>(FReplies.front()))
        return std::get<TZpAnswer>(*Next());
    return defaultAnswer;
}

bool TZpScriptedDialogs::Prompt(TPromptData& data) {
    FQuestions.push_back({QStringLiteral("prompt"), data.Caption});
    auto reply = Next();
    if (reply && std::holds_alternative<TPromptData>(*reply)) {
        const TPromptData& answer = std::get<TPromptData>(*reply);
        data.Value = answer.Value;
        data.Count = answer.Count;
        return true;
    }
    if (reply && std::holds_alternative<QString>(*reply)) {
        data.Value = std::get<QString>(*reply);
        data.Count = 1;
        return true;
    }
    return false;
}

// The dialog stays open while the check refuses, so each queued entry is
// offered in turn until one is accepted or a non-entry reply cancels.
bool TZpScriptedDialogs::LockLabel(const std::function<bool(const TZpPasswordEntry&)>& check) {
    FQuestions.push_back({QStringLiteral("lock"), QStringLiteral("Lock Label")});
    while (!FReplies.empty() && std::holds_alternative<TZpPasswordEntry>(FReplies.front())) {
        const TZpPasswordEntry entry = std::get<TZpPasswordEntry>(*Next());
        if (check(entry))
            return true;
    }
    (void)Next();
    return false;
}

bool TZpScriptedDialogs::UnlockLabel(const std::function<bool(const QString&)>& check) {
    FQuestions.push_back({QStringLiteral("unlock"), QStringLiteral("Unlock Label")});
    while (!FReplies.empty() && std::holds_alternative<QString>(FReplies.front())) {
        const QString entry = std::get<QString>(*Next());
        if (check(entry))
            return true;
    }
    (void)Next();
    return false;
}

std::optional<QString> TZpScriptedDialogs::SaveFileName(const QString& caption, const QString&,
                                                        const QString&) {
    FQuestions.push_back({QStringLiteral("save"), caption});
    if (auto reply = Next(); reply && std::holds_alternative<QString>(*reply))
        return std::get<QString>(*reply);
    return std::nullopt;
}

std::optional<QString> TZpScriptedDialogs::OpenFileName(const QString& caption, const QString&,
                                                        const QString&) {
    FQuestions.push_back({QStringLiteral("open"), caption});
    if (auto reply = Next(); reply && std::holds_alternative<QString>(*reply))
        return std::get<QString>(*reply);
    return std::nullopt;
}

bool TZpScriptedDialogs::EditObjectProperties(TZpObject&) {
    FQuestions.push_back({QStringLiteral("properties"), QStringLiteral("Object Properties")});
    if (auto reply = Next(); reply && std::holds_alternative<bool>(*reply))
        return std::get<bool>(*reply);
    return false;
}

class TZpScriptedProgress : public IZpProgress {
public:
    TZpScriptedProgress(TZpScriptedDialogs& owner, TZpProgressKind kind) : FOwner(owner), FKind(kind) {}

    void Update(const QString&, const QString& line2) override {
        if (FOwner.FProgressLines.isEmpty() || FOwner.FProgressLines.last() != line2)
            FOwner.FProgressLines << line2;
        if (FKind == TZpProgressKind::GeneratingLabels)
            Step();
    }
    void SetPosition(int, int, const QString&) override {
        if (FKind == TZpProgressKind::CheckingBarCodes)
            Step();
    }
    [[nodiscard]] bool Cancelled() const override { return FCancelled; }
    void ClearCancel() override { FCancelled = false; }

private:
    void Step() {
        if (++FSteps != FOwner.FAbortAt)
            return;
        if (FKind == TZpProgressKind::CheckingBarCodes)
            FCancelled = true;
        else
            FCancelled =
                FOwner.MessageBox(TZpMsgKind::Confirmation, QLatin1String(progress_texts::kAbortQuestion),
                                  TZpButtons::YesNo, TZpAnswer::Yes) == TZpAnswer::Yes;
    }

    TZpScriptedDialogs& FOwner;
    TZpProgressKind FKind;
    int FSteps = 0;
    bool FCancelled = false;
};

std::unique_ptr<IZpProgress> TZpScriptedDialogs::CreateProgress(TZpProgressKind kind) {
    const char* caption = kind == TZpProgressKind::GeneratingLabels ? progress_texts::kGeneratingCaption
                                                                    : progress_texts::kCheckingCaption;
    FQuestions.push_back({QStringLiteral("progress"), QLatin1String(caption)});
    return std::make_unique<TZpScriptedProgress>(*this, kind);
}

TZpScriptedDialogsGuard::TZpScriptedDialogsGuard() {
    auto dialogs = std::make_unique<TZpScriptedDialogs>();
    FDialogs = dialogs.get();
    FPrevious = SetZpDialogs(std::move(dialogs));
}

TZpScriptedDialogsGuard::~TZpScriptedDialogsGuard() {
    SetZpDialogs(std::move(FPrevious));
}

} // namespace zp
