// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

class IZpScript;

/// What "&Test" on the Scripting page shows when the script compiles.
extern const QString kSyntaxPassedMessage;

/// Puts the Scripting page's choices into a script: an empty text, the
/// enabled flag, the language and then the editor's text, so that the code
/// is always compiled anew, and only the editor's text is ever compiled (the
/// old text is not compiled in a newly chosen language, nor an old broken
/// text when scripting is switched on with its repair). Raises what
/// SetEnabled, SetLanguage and SetScript raise (EZpScriptError for a syntax
/// error, whose message is the page's error text).
void ApplyScriptPage(IZpScript& script, bool enabled, const QString& language, const QString& text);

/// The outcome of "&Test" for a text in a language.
struct TZpSyntaxCheck {
    bool Passed = false;
    /// "Script passed syntax check!", or the error as "%s in line %d: \"%s\""
    /// (a language without engine gives that message).
    QString Message;
};
[[nodiscard]] TZpSyntaxCheck TestScriptSyntax(const QString& language, const QString& text);

} // namespace zp
