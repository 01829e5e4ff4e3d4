// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/ScriptEngine.h"
#include "platform/script/Watchdog.h"

#include <QJSValue>
#include <atomic>
#include <memory>
#include <vector>

class QJSEngine;

namespace zp {

/// JScript through QJSEngine. The engine's global object holds the
/// ECMAScript built-ins and nothing else: no Qt objects, no console, no
/// module loading (see JScriptSandbox.h). A watchdog interrupts code that
/// outlives the time limit.
class TZpJScriptEngine final : public IZpScriptEngine {
public:
    TZpJScriptEngine();
    ~TZpJScriptEngine() override;

    [[nodiscard]] QString Language() const override { return QStringLiteral("JScript"); }
    void Reset() override;
    bool AddCode(const QString& source) override;
    /// The function's value as JScript turns it into text; undefined and
    /// null (a function without return) give an empty text.
    bool Run(const QString& function, const QStringList& arguments, QString& result) override;
    [[nodiscard]] const TZpScriptError& Error() const override { return FError; }
    void SetTimeLimit(std::chrono::milliseconds limit) override { FLimit = limit; }

private:
    static void Interrupt(void* self, TZpScriptStop why);
    bool EnsureEngine();
    void ClearValues();
    /// After the watchdog stopped the code: its error, and the memory the code took given back.
    void SetStoppedError();
    // The error thrown by code: description, and line and line text where
    // the thrown value carries them.
    void SetThrownError(const QJSValue& thrown);
    [[nodiscard]] QString SourceLine(const QString& fileName, int line) const;

    std::unique_ptr<QJSEngine> FEngine;
    // The function Run calls: it looks the script function up by name, calls
    // it, turns its value into text and hands back FFailure when it throws.
    QJSValue FCaller;
    QJSValue FFailure;
    std::vector<QString> FSources;
    TZpScriptError FError;
    std::chrono::milliseconds FLimit = kDefaultCallLimit;
    std::atomic<bool> FTimedOut = false;
    std::atomic<bool> FOutOfMemory = false;
    bool FReady = false; // the global object was locked down
};

} // namespace zp
