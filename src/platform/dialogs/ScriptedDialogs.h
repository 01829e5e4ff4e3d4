// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/DialogServices.h"

#include <deque>
#include <variant>
#include <vector>

namespace zp {

/// For tests: answers are queued in advance and every question is recorded.
/// A question with no queued answer takes its default (message boxes) or is
/// cancelled (everything else).
class TZpScriptedDialogs : public IZpDialogs {
public:
    struct TQuestion {
        QString Kind; ///< "message", "prompt", "lock", "unlock", "save", "open", "properties", "progress"
        QString Text; ///< the message text or caption
        TZpMsgKind MsgKind = TZpMsgKind::Information;
        TZpButtons Buttons = TZpButtons::Ok;
    };
    /// An answer: a button, a text (prompt for the next label, file dialogs,
    /// unlock), a prompt value with its count, a pair of password entries
    /// (lock), or a cancellation.
    struct TCancel {};
    using TReply = std::variant<TZpAnswer, QString, TZpPasswordEntry, TCancel, bool, TPromptData>;

    void Queue(TReply reply) { FReplies.push_back(std::move(reply)); }
    [[nodiscard]] const std::vector<TQuestion>& Questions() const { return FQuestions; }
    /// The message texts asked so far, in order.
    [[nodiscard]] QStringList Messages() const;
    [[nodiscard]] bool AllAnswered() const { return FReplies.empty(); }
    void Clear() {
        FReplies.clear();
        FQuestions.clear();
    }

    TZpAnswer MessageBox(TZpMsgKind kind, const QString& text, TZpButtons buttons,
                         TZpAnswer defaultAnswer) override;
    [[nodiscard]] bool Prompt(TPromptData& data) override;
    bool LockLabel(const std::function<bool(const TZpPasswordEntry&)>& check) override;
    bool UnlockLabel(const std::function<bool(const QString&)>& check) override;
    std::optional<QString> SaveFileName(const QString& caption, const QString& suggested,
                                        const QString& filter) override;
    std::optional<QString> OpenFileName(const QString& caption, const QString& directory,
                                        const QString& filter) override;
    bool EditObjectProperties(TZpObject& object) override;
    /// Recorded as a "progress" question with the window's caption.
    [[nodiscard]] std::unique_ptr<IZpProgress> CreateProgress(TZpProgressKind kind) override;
    [[nodiscard]] bool IsInteractive() const override { return true; }

    /// Presses the abort button of the progress windows at their step n
    /// (from 1; 0 never): a step is an Update of "Generating Labels" (one per
    /// label) or a SetPosition of "Checking Bar Codes" (one per bar code
    /// checked). "Generating Labels" asks its question as a message box
    /// first, so a queued No keeps the run going.
    void PressAbortAt(int step) { FAbortAt = step; }
    /// Each different second line the progress windows were given, in order
    /// ("Page 1", "Page 2", ...).
    [[nodiscard]] const QStringList& ProgressLines() const { return FProgressLines; }

private:
    friend class TZpScriptedProgress;
    std::optional<TReply> Next();
    std::deque<TReply> FReplies;
    std::vector<TQuestion> FQuestions;
    int FAbortAt = 0;
    QStringList FProgressLines;
};

/// Installs scripted services for the lifetime of the guard and restores the
/// previous ones after.
class TZpScriptedDialogsGuard {
public:
    TZpScriptedDialogsGuard();
    ~TZpScriptedDialogsGuard();
    TZpScriptedDialogsGuard(const TZpScriptedDialogsGuard&) = delete;
    TZpScriptedDialogsGuard& operator=(const TZpScriptedDialogsGuard&) = delete;
    TZpScriptedDialogs& operator*() { return *FDialogs; }
    TZpScriptedDialogs* operator->() { return FDialogs; }

private:
    TZpScriptedDialogs* FDialogs;
    std::unique_ptr<IZpDialogs> FPrevious;
};

} // namespace zp
