// SPDX-License-Identifier: MIT
#pragma once

#include "ui/commands/CommandState.h"

#include <QAnyStringView>
#include <QString>
#include <vector>

namespace zp {

class TfrmMain;
struct TZpCommandRow;

/// What a command does; the row is handed in so rows can share a handler by tag.
using TZpCommandHandler = void (TfrmMain::*)(const TZpCommandRow&);
using TZpStateRule = bool (*)(const TZpCommandState&);
using TZpCaptionRule = QString (*)(const TZpCommandState&);

/// One command of the main window: what it is called, how it is reached and
/// when it is enabled, checked and how it is captioned.
struct TZpCommandRow {
    const char* Id;       ///< action name ("acNew"), also the action's object name
    const char* Caption;  ///< with its accelerator '&'
    const char* Shortcut; ///< portable key text ("Ctrl+N"), empty for none
    const char* Hint;
    TZpCommandHandler Handler;
    TZpStateRule Enabled = nullptr; ///< none: always
    TZpStateRule Checked = nullptr; ///< none: not a toggle
    bool Unlocked = false;          ///< also disabled while the label is locked
    uint32_t Needs = ftNone;        ///< features without which the command is disabled
    int Tag = 0;
    const char* Icon = "";                 ///< icon name (theme name or a shipped SVG)
    TZpCaptionRule ShownCaption = nullptr; ///< caption that follows the state
};

struct TZpCommandLook {
    bool Enabled = true;
    bool Checked = false;
    QString Caption;
};

/// Every command of the window, in no particular order.
[[nodiscard]] const std::vector<TZpCommandRow>& CommandTable();
[[nodiscard]] const TZpCommandRow* FindCommand(QAnyStringView id);
/// The command's look for the state: its own rule, the lock and the features it needs.
[[nodiscard]] TZpCommandLook EvaluateCommand(const TZpCommandRow& row, const TZpCommandState& state);
/// Whether the toolbar's controls are usable (the style, align and tool bars
/// are not while the label is locked).
[[nodiscard]] bool ToolbarEnabled(TZpToolbar toolbar, const TZpCommandState& state);
/// Whether the Edit > Formatting submenu is usable.
[[nodiscard]] bool FormattingMenuEnabled(const TZpCommandState& state);

/// Menu layout: command ids ("id|Caption" shows the command under another
/// caption), "-" for a separator, ">Caption" opens a
/// submenu and "<" closes it.
struct TZpMenuLayout {
    const char* Caption;
    std::vector<const char*> Entries;
};
[[nodiscard]] const std::vector<TZpMenuLayout>& MainMenuLayout();
[[nodiscard]] const std::vector<const char*>& ContextMenuLayout();
/// The command buttons of a toolbar, "-" for a separator; the Font, Fill
/// Style and Line Style bars add their fields around these.
[[nodiscard]] const std::vector<const char*>& ToolbarLayout(TZpToolbar toolbar);
/// Object name, caption and View > Toolbars command of each toolbar.
struct TZpToolbarInfo {
    const char* Name;
    const char* Caption;
    const char* ViewCommand;
};
[[nodiscard]] const TZpToolbarInfo& ToolbarInfo(TZpToolbar toolbar);


} // namespace zp
