// SPDX-License-Identifier: MIT
// libFuzzer target: bytes offered as label objects on the clipboard either
// paste as one undoable event or leave the label untouched with a message,
// never crash, hang or allocate without bound.
#include "base/Errors.h"
#include "design/edit/Clipboard.h"
#include "design/edit/EditSession.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zp::TZpEditSession session(10);
    zp::TZpClipboard clipboard(session);
    QMimeData mime;
    mime.setData(QLatin1String(zp::kObjectsMimeType),
                 QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    zp::TZpPasteView view;
    view.Mapping = zp::TZpViewMapping{300, 96, 0, 0};
    view.ClientRect = {0, 0, 800, 600};
    bool pasted = false;
    try {
        clipboard.Paste(mime, view);
        pasted = true;
    } catch (const zp::EZpError&) {
    }
    // A refused block adds nothing; a pasted one is undone whole.
    if (!pasted && session.ControlCount() != 0)
        std::abort();
    if (pasted) {
        session.Undo();
        if (session.ControlCount() != 0)
            std::abort();
    }
    return 0;
}
