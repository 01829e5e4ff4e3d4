// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/DialogServices.h"

#include <cstdio>

namespace zp {

/// For runs without a display: every question is written to standard error
/// and answered with its default, so a batch job never waits for a click.
class TZpNonInteractiveDialogs : public IZpDialogs {
public:
    explicit TZpNonInteractiveDialogs(FILE* out = stderr) : FOut(out) {}

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
    /// A bar on standard error when that is a terminal, else one line per
    /// page; never cancelled.
    [[nodiscard]] std::unique_ptr<IZpProgress> CreateProgress(TZpProgressKind kind) override;
    [[nodiscard]] bool IsInteractive() const override { return false; }

private:
    void Say(const QString& line);
    FILE* FOut;
};

} // namespace zp
