// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace zp {

/// How the process was started.
enum class TZpStartMode {
    StandAlone,  ///< by the user: main window shown, command line processed
    Automation,  ///< by the automation runtime for a client ("-automation" or "-embedding")
    RegServer,   ///< asked to add the automation registration, then end
    UnregServer, ///< asked to remove it, then end
};

/// The start mode from the arguments (without the program name): the
/// switches are accepted with "/" or "-" in any letter case.
[[nodiscard]] TZpStartMode ParseStartMode(const QStringList& arguments);

} // namespace zp
