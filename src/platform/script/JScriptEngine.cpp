// SPDX-License-Identifier: MIT
#include "platform/script/JScriptEngine.h"

#include "platform/script/JScriptSandbox.h"
#include "platform/script/Watchdog.h"

#include <QJSEngine>
#include <QRegularExpression>

namespace zp {

namespace {

// Built before any script code runs, so that scripts cannot replace what it
// uses (Reflect.apply, String). A missing function or a thrown value comes
// back as the failure object, which scripts never see.
const char* const kCallerSource = R"((function (global, failure, apply, toText, maxLength) {
    return function (name, ...args) {
        var f = global[name];
        if (typeof f !== "function") {
            failure.missing = true;
            failure.error = undefined;
            return failure;
        }
        try {
            var value = apply(f, global, args);
            var text = value === undefined || value === null ? "" : toText(value);
            if (text.length <= maxLength)
                return text;
            failure.missing = false;
            failure.error = "Too large for a label script";
            return failure;
        } catch (e) {
            failure.missing = false;
            failure.error = e;
            return failure;
        }
    };
}))";

const QString kNotReady = QStringLiteral("The script engine could not be prepared");

// Line n (from 1) of a source; ECMAScript's line terminators, CR LF as one.
QString SourceLineOf(const QString& source, int line) {
    static const QRegularExpression terminator(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    const QStringList lines = source.split(terminator);
    return line >= 1 && line <= lines.size() ? lines[line - 1] : QString();
}

// The AddCode number behind a file name the engine reports ("file:3").
int SourceIndex(const QString& fileName) {
    const qsizetype cut = fileName.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int n = fileName.mid(cut + 1).toInt(&ok);
    return ok ? n - 1 : -1;
}

} // namespace

TZpJScriptEngine::TZpJScriptEngine() = default;

TZpJScriptEngine::~TZpJScriptEngine() {
    ClearValues();
}

void TZpJScriptEngine::ClearValues() {
    // Values must go before the engine that holds them.
    FCaller = QJSValue();
    FFailure = QJSValue();
}

void TZpJScriptEngine::Reset() {
    ClearValues();
    FEngine.reset();
    FReady = false;
    FSources.clear();
    FError = {};
}

// The engine and its locked-down global object are built when code first
// needs them: building costs far more than compiling a label script, and an
// object's script is reset right after its engine is made.
bool TZpJScriptEngine::EnsureEngine() {
    if (FEngine)
        return FReady;
    FEngine = std::make_unique<QJSEngine>();
    QJSValue global = FEngine->globalObject();
    // The caller takes the engine's own Reflect.apply and String, before the
    // lock-down puts forwarders in their place.
    FFailure = FEngine->newObject();
    FCaller = FEngine->evaluate(QString::fromLatin1(kCallerSource))
                  .call({global, FFailure, FEngine->evaluate(QStringLiteral("Reflect.apply")),
                         FEngine->evaluate(QStringLiteral("String")), kMaxScriptLength});
    FReady = FCaller.isCallable() && LockDownGlobals(*FEngine);
    return FReady;
}

void TZpJScriptEngine::Interrupt(void* self, TZpScriptStop why) {
    auto* engine = static_cast<TZpJScriptEngine*>(self);
    if (why == TZpScriptStop::OutOfMemory)
        engine->FOutOfMemory = true;
    engine->FTimedOut = true;
    engine->FEngine->setInterrupted(true);
}

bool TZpJScriptEngine::AddCode(const QString& source) {
    FError = {};
    if (!EnsureEngine()) {
        FError.Description = kNotReady;
        return false;
    }
    // Regular expression literals nested this deep exhaust the native stack
    // of the pattern compiler; no label script comes near it.
    if (const qsizetype at = NestingExceededAt(source, kMaxPatternNesting); at >= 0) {
        FError.Description = QStringLiteral("The script is nested too deeply");
        FError.Line = int(QStringView(source).left(at).count(QLatin1Char('\n'))) + 1;
        FError.Text = SourceLineOf(source, FError.Line);
        return false;
    }
    FSources.push_back(source);
    const QString fileName = QString::number(FSources.size());
    FTimedOut = false;
    FOutOfMemory = false;
    FEngine->setInterrupted(false);
    bool ok = true;
    {
        TZpWatchdogScope watchdog(FLimit, &Interrupt, this);
        QStringList trace;
        const QJSValue value = FEngine->evaluate(source, fileName, 1, &trace);
        // A thrown value need not be an Error object; the trace tells.
        if (!trace.isEmpty() && !FTimedOut) {
            ok = false;
            SetThrownError(value);
            if (FError.Line <= 0) {
                // "function:line:column:file" of the innermost frame.
                const QStringList parts = trace.first().split(QLatin1Char(':'));
                if (parts.size() >= 4) {
                    FError.Line = qMax(0, parts[1].toInt());
                    FError.Text = SourceLine(parts.mid(3).join(QLatin1Char(':')), FError.Line);
                }
            }
        }
    }
    if (FTimedOut) {
        SetStoppedError();
        return false;
    }
    return ok;
}

bool TZpJScriptEngine::Run(const QString& function, const QStringList& arguments, QString& result) {
    FError = {};
    if (!EnsureEngine()) {
        FError.Description = kNotReady;
        return false;
    }
    QJSValueList args;
    args.reserve(arguments.size() + 1);
    args.append(QJSValue(function));
    for (const QString& a : arguments)
        args.append(QJSValue(a));
    FTimedOut = false;
    FOutOfMemory = false;
    FEngine->setInterrupted(false);
    bool ok = false;
    {
        TZpWatchdogScope watchdog(FLimit, &Interrupt, this);
        const QJSValue value = FCaller.call(args);
        if (FTimedOut) {
        } else if (value.strictlyEquals(FFailure)) {
            if (FFailure.property(QStringLiteral("missing")).toBool())
                FError.Description = QStringLiteral("The script has no function '%1'").arg(function);
            else
                SetThrownError(FFailure.property(QStringLiteral("error")));
        } else if (value.isError()) {
            SetThrownError(value);
        } else {
            result = value.toString();
            ok = true;
        }
    }
    if (FTimedOut) {
        SetStoppedError();
        return false;
    }
    return ok;
}

void TZpJScriptEngine::SetStoppedError() {
    FError = {};
    if (FOutOfMemory) {
        FError.Description = QStringLiteral("Out of memory");
        // What the code built is garbage now; the engine would keep it until
        // it next felt short of memory.
        FEngine->setInterrupted(false);
        FEngine->collectGarbage();
        return;
    }
    FError.Description = QStringLiteral("The script ran longer than %1 seconds and was stopped")
                             .arg(double(FLimit.count()) / 1000.0);
}

void TZpJScriptEngine::SetThrownError(const QJSValue& thrown) {
    FError = {};
    if (thrown.isError()) {
        FError.Description = thrown.property(QStringLiteral("message")).toString();
        FError.Line = qMax(0, thrown.property(QStringLiteral("lineNumber")).toInt());
        FError.Text = SourceLine(thrown.property(QStringLiteral("fileName")).toString(), FError.Line);
    }
    if (FError.Description.isEmpty())
        FError.Description = thrown.toString();
    if (FError.Description.isEmpty())
        FError.Description = QStringLiteral("Exception thrown and not caught");
}

QString TZpJScriptEngine::SourceLine(const QString& fileName, int line) const {
    const int index = SourceIndex(fileName);
    if (index < 0 || index >= int(FSources.size()))
        return {};
    return SourceLineOf(FSources[size_t(index)], line);
}

} // namespace zp
