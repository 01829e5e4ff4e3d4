// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

namespace zp {

/// What the last failed compile or call left: the engine's description, the
/// 1-based line (0 when none applies) and the text of that source line.
struct TZpScriptError {
    QString Description;
    int Line = 0;
    QString Text;
};

/// How long one call, or one compile, may run before it is ended as a runaway.
inline constexpr std::chrono::milliseconds kDefaultCallLimit{2000};

/// The script host: one engine per language. Scripts see nothing of the
/// program or the machine, only the language's own built-ins; every call
/// and compile ends within its time limit.
class IZpScriptEngine {
public:
    virtual ~IZpScriptEngine() = default;

    /// The language name, "VBScript" or "JScript".
    [[nodiscard]] virtual QString Language() const = 0;
    /// Discards all code and the script's global variables.
    virtual void Reset() = 0;
    /// Compiles source and runs its top-level statements. False on a syntax
    /// or run-time error, described by Error().
    virtual bool AddCode(const QString& source) = 0;
    /// Calls a function by name (case as the language treats it) with string
    /// arguments; its value converted to text goes to result. False on a
    /// run-time error, a missing function or the time limit.
    virtual bool Run(const QString& function, const QStringList& arguments, QString& result) = 0;
    /// The error of the last failed AddCode or Run.
    [[nodiscard]] virtual const TZpScriptError& Error() const = 0;
    /// The time limit of each later call; tests shorten it.
    virtual void SetTimeLimit(std::chrono::milliseconds limit) = 0;
};

/// A new engine for the language ("VBScript" or "JScript", any letter case);
/// null for a language no engine speaks.
[[nodiscard]] std::unique_ptr<IZpScriptEngine> CreateScriptEngine(const QString& language);

} // namespace zp
