// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes after a 2.x signature end in one of the
// importer's messages, never in a crash, a hang or a read past the end.
#include "base/Errors.h"
#include "files/LabelFile.h"
#include "legacy/LegacyImport.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    zp::TZpObjectList objects;
    zp::TZpIDEProperties ide;
    zp::TLabelProperties layout;
    try {
        zp::TZpLabelFileSettings settings;
        zp::ImportLegacyLabel(buffer, objects, ide, false, layout, settings);
    } catch (const zp::EZpError&) {
    }
    return 0;
}
