// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <optional>

namespace zp {

class TfrmMain;

/// The command line of a stand-alone start on the main window's label: the
/// additions (--help, --version, -O=, --printer=, --answer=) and the classic
/// label switches. Returns the process exit code when the run ends here (a
/// job was done, failed or was cancelled; help or version was shown), or
/// nothing when the program goes on interactively.
[[nodiscard]] std::optional<int> RunCommandLine(TfrmMain& mainWindow, const QStringList& arguments);

/// Opens a help page in the desktop's browser; without a display the command
/// line's usage is written to standard error instead.
void ShowHelpTopic(int context);

} // namespace zp
