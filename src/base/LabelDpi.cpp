// SPDX-License-Identifier: MIT
#include "base/LabelDpi.h"

#include <QGuiApplication>
#include <QScreen>

namespace zp {

namespace {
int gLabelDpi = 300;
}

int LabelDPI() {
    return gLabelDpi;
}

void SetLabelDPI(int dpi) {
    if (dpi > 0)
        gLabelDpi = dpi;
}

int ScreenPixelsPerInch() {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* screen = app->primaryScreen()) {
            const int dpi = qRound(screen->logicalDotsPerInchX());
            if (dpi > 0)
                return dpi;
        }
    }
    return 96;
}

} // namespace zp
