// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/Progress.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace zp {

class TZpObject;

/// The four kinds of message box.
enum class TZpMsgKind { Warning, Confirmation, Information, Error };

/// Button sets of the message boxes.
enum class TZpButtons { Ok, OkCancel, OkIgnore, YesNo, YesNoCancel };

enum class TZpAnswer { Ok, Cancel, Yes, No, Ignore };

/// The entries of the "Lock Label" dialog.
struct TZpPasswordEntry {
    QString Password;
    QString Confirm;
};

/// The transfer record of the prompt dialog "Input Required": the caption
/// shown, the value entered and how many labels it serves (-1 for all).
struct TPromptData {
    QString Caption;
    QString Value;
    int32_t Count = 1;
};

/// Everything core code asks of the user goes through this seam, so that the
/// core never opens a window and stays testable. The program installs the
/// widget implementation; tests a scripted one; runs without a display a
/// non-interactive one that takes the default answer.
class IZpDialogs {
public:
    virtual ~IZpDialogs() = default;

    /// A modal message box; defaultAnswer is what a non-interactive run takes.
    virtual TZpAnswer MessageBox(TZpMsgKind kind, const QString& text, TZpButtons buttons,
                                 TZpAnswer defaultAnswer) = 0;

    /// The prompt dialog "Input Required" on data.Caption: true with Value and
    /// Count filled in, false when the user cancelled.
    [[nodiscard]] virtual bool Prompt(TPromptData& data) = 0;

    /// "Lock Label": OK is offered to check, which shows its own message and
    /// answers false to keep the dialog open. True when OK was accepted.
    virtual bool LockLabel(const std::function<bool(const TZpPasswordEntry&)>& check) = 0;
    /// "Unlock Label", likewise with the one password entry.
    virtual bool UnlockLabel(const std::function<bool(const QString&)>& check) = 0;

    /// A file to write: the chosen path, or none when cancelled.
    virtual std::optional<QString> SaveFileName(const QString& caption, const QString& suggested,
                                                const QString& filter) = 0;
    /// A file to read: the chosen path, or none when cancelled.
    virtual std::optional<QString> OpenFileName(const QString& caption, const QString& directory,
                                                const QString& filter) = 0;

    /// "Object Properties" for one object; true when confirmed.
    virtual bool EditObjectProperties(TZpObject& object) = 0;

    /// A progress window of the given kind, closed when the result is destroyed.
    /// By default a quiet one that is never cancelled.
    [[nodiscard]] virtual std::unique_ptr<IZpProgress> CreateProgress(TZpProgressKind kind);

    /// Whether a person can answer (false for the non-interactive services).
    [[nodiscard]] virtual bool IsInteractive() const = 0;
};

/// The services in use; the non-interactive ones until something is installed.
[[nodiscard]] IZpDialogs& ZpDialogs();
/// Installs services and returns the previous ones.
std::unique_ptr<IZpDialogs> SetZpDialogs(std::unique_ptr<IZpDialogs> dialogs);

/// The answers to prompts, by caption, that the process was given for runs
/// without a display.
void SetPromptAnswers(QHash<QString, QString> answers);
[[nodiscard]] const QHash<QString, QString>& PromptAnswers();

/// Shorthand for the common boxes.
void ShowMessage(TZpMsgKind kind, const QString& text);
[[nodiscard]] bool Confirm(const QString& text, bool defaultYes = true);

} // namespace zp
