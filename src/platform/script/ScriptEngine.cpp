// SPDX-License-Identifier: MIT
#include "platform/script/ScriptEngine.h"

#include "platform/script/JScriptEngine.h"
#include "platform/script/vbscript/VbsEngine.h"

namespace zp {

std::unique_ptr<IZpScriptEngine> CreateScriptEngine(const QString& language) {
    if (language.compare(QLatin1String("JScript"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TZpJScriptEngine>();
    if (language.compare(QLatin1String("VBScript"), Qt::CaseInsensitive) == 0)
        return CreateVBScriptEngine();
    return nullptr;
}

} // namespace zp
