// SPDX-License-Identifier: MIT
#pragma once

#include "ui/commands/CommandHooks.h"

#include <QWidget>
#include <functional>

namespace zp {

class TZpEditSession;

/// Hands the window's arrangement rows, the Font, Fill Style and Line Style
/// toolbars, "Object Properties" and the text import to the session's
/// selection commands. editing answers whether an in-place editor is open
/// (its font changes are then not recorded); parent owns the dialogs.
void InstallArrangeHooks(TZpCommandHooks& hooks, TZpEditSession& session, QWidget* parent,
                         std::function<bool()> editing = {});

/// Runs one arrangement row ("acAlignLeft", tag 0) on the session; false
/// when the id is not one of them.
bool RunArrangeCommand(TZpEditSession& session, const QString& commandId, int tag);

/// Applies one toolbar edit to the session's selection.
void ApplyStyleEdit(TZpEditSession& session, const TZpStyleEdit& edit, bool editing = false);

} // namespace zp
