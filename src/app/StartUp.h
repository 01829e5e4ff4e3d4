// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

/// The whole start-up: module initialisation, the application object, the
/// splash window, the main window, the command line, the message loop.
/// Returns the process exit code.
int RunApplication(int argc, char** argv);

} // namespace zp
