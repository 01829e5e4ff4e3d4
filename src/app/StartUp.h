// SPDX-License-Identifier: MIT
#pragma once

#include "app/StartMode.h"

#include <QStringList>

namespace zp {

/// What a start-up did, for the caller and for tests.
struct TZpStartUpReport {
    TZpStartMode Mode = TZpStartMode::StandAlone;
    bool SplashShown = false;
    bool MainWindowShown = false;
    bool MessageLoopRun = false;
};

/// The whole start-up: module initialisation, the application object, the
/// splash window, the main window, the command line, the message loop.
/// Returns the process exit code.
int RunApplication(int argc, char** argv);

/// The module initialisations the rest of the program relies on: options
/// from the store, LabelDPI, the object cursors. Needs the application object.
void InitializeModules();

/// Start-up proper on an existing application object; arguments without the
/// program name. With runLoop false it returns before the message loop.
int RunStartUp(const QStringList& arguments, bool runLoop, TZpStartUpReport* report = nullptr);

/// Whether this run can ask a person (a real display, not the offscreen platform).
[[nodiscard]] bool HasDisplay();

} // namespace zp
