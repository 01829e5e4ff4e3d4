// SPDX-License-Identifier: MIT
// libFuzzer target: any text given to the VBScript engine compiles, runs and
// ends in a result or an error, never in a crash, a hang or a sanitizer report.
#include "platform/script/vbscript/VbsEngine.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString source = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    auto engine = zp::CreateVBScriptEngine();
    // Short limits keep runaway loops from being reported as hangs.
    engine->SetTimeLimit(std::chrono::milliseconds(50));
    if (!engine->AddCode(source))
        return 0;
    QString result;
    for (const char* name : {"DataUpdated", "F"}) {
        (void)engine->Run(QString::fromLatin1(name), {QStringLiteral("12345")}, result);
        (void)engine->Run(QString::fromLatin1(name), {}, result);
    }
    return 0;
}
