// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes handed to the label reader end in one of its
// messages, never in a crash, a hang or a runaway allocation.
#include "base/Errors.h"
#include "files/LabelFile.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // No display, and a settings store of our own rather than the user's.
    static QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace {

QByteArray Saved(zp::TZpObjectList& objects, zp::TZpIDEProperties& ide, zp::TLabelProperties& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    zp::WriteLabel(buffer, objects, ide, layout);
    return bytes;
}

// A label that loads saves to bytes that load again and save the same.
void CheckSavedLabelIsStable(zp::TZpObjectList& objects, zp::TZpIDEProperties& ide,
                             zp::TLabelProperties& layout) {
    QByteArray first = Saved(objects, ide, layout);
    QBuffer buffer(&first);
    buffer.open(QIODevice::ReadOnly);
    zp::TZpObjectList again;
    zp::TZpIDEProperties ide2;
    zp::TLabelProperties layout2;
    zp::LoadLabelFromDevice(buffer, again, ide2, layout2, false); // must not throw
    if (Saved(again, ide2, layout2) != first)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    zp::TZpObjectList objects;
    zp::TZpIDEProperties ide;
    zp::TLabelProperties layout;
    bool loaded = false;
    try {
        zp::LoadLabelFromDevice(buffer, objects, ide, layout, false);
        loaded = true;
    } catch (const zp::EZpError&) {
    }
    if (loaded)
        CheckSavedLabelIsStable(objects, ide, layout);
    // The clipboard reads bare object lists.
    buffer.seek(0);
    try {
        (void)zp::ReadObjectList(objects, buffer);
    } catch (const zp::EZpError&) {
    }
    return 0;
}
