// SPDX-License-Identifier: MIT
#include "app/StartUp.h"

#include <QApplication>

namespace zp {

int RunApplication(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return 0;
}

} // namespace zp
