// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace zp {

/// The hourglass while a long operation runs, when there is a screen to show it.
class TZpWaitCursor {
public:
    TZpWaitCursor() : FShown(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (FShown) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        }
    }
    ~TZpWaitCursor() {
        if (FShown) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    TZpWaitCursor(const TZpWaitCursor&) = delete;
    TZpWaitCursor& operator=(const TZpWaitCursor&) = delete;

private:
    bool FShown;
};

} // namespace zp
