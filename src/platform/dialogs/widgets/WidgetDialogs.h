// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/DialogServices.h"

#include <functional>

class QWidget;

namespace zp {

/// The dialog services of the interactive program: modal Qt dialogs owned by
/// the active window.
class TZpWidgetDialogs : public IZpDialogs {
public:
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
    /// The window the installed factory makes; a quiet progress without one.
    [[nodiscard]] std::unique_ptr<IZpProgress> CreateProgress(TZpProgressKind kind) override;
    [[nodiscard]] bool IsInteractive() const override { return true; }

    /// The progress windows live with their subsystem's widgets; the program
    /// installs their maker at start-up.
    using TProgressFactory = std::function<std::unique_ptr<IZpProgress>(TZpProgressKind)>;
    static void SetProgressFactory(TProgressFactory factory);
    /// "Object Properties" lives with the design surface's dialogs; the
    /// program installs it at start-up. Without it nothing is edited.
    using TPropertiesEditor = std::function<bool(TZpObject&)>;
    static void SetObjectPropertiesEditor(TPropertiesEditor editor);

private:
    [[nodiscard]] static QWidget* Owner();
};

} // namespace zp
