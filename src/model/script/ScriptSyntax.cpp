// SPDX-License-Identifier: MIT
#include "model/script/ScriptSyntax.h"

#include "model/script/ZpScript.h"

namespace zp {

const QString kSyntaxPassedMessage = QStringLiteral("Script passed syntax check!");

void ApplyScriptPage(IZpScript& script, bool enabled, const QString& language, const QString& text) {
    script.SetScript(QString());
    script.SetEnabled(enabled);
    script.SetLanguage(language);
    script.SetScript(text);
}

TZpSyntaxCheck TestScriptSyntax(const QString& language, const QString& text) {
    TZpScript script;
    try {
        ApplyScriptPage(script, true, language, text);
    } catch (const EZpError& e) {
        return {false, e.Message()};
    }
    return {true, kSyntaxPassedMessage};
}

} // namespace zp
