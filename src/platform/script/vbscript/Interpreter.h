// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/ScriptEngine.h"
#include "platform/script/Watchdog.h"
#include "platform/script/vbscript/Ast.h"
#include "platform/script/vbscript/Variant.h"

#include <QHash>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace zp::vbs {

/// How far the interpreter lets a script go before it ends it in an error.
inline constexpr int kMaxCallDepth = 250;          // "Out of stack space"
inline constexpr int64_t kMaxArrayItems = 1 << 20; // elements of one array; "Out of memory"

/// Runs VBScript: the code of every AddCode since the last Reset shares its
/// global variables and procedures. Not thread-safe; one script per instance.
class TInterpreter final : public IVbsRuntime {
public:
    TInterpreter();
    ~TInterpreter() override;

    void Reset();
    /// Compiles source and runs its top-level statements.
    bool AddCode(const QString& source, TZpScriptError& error);
    /// Calls a Function or Sub with string arguments; its value as text.
    bool Run(const QString& name, const QStringList& arguments, QString& result, TZpScriptError& error);
    void SetTimeLimit(std::chrono::milliseconds limit) { FLimit = limit; }

    double NextRandom(double argument, bool hasArgument) override;
    void Randomize(double seed, bool hasSeed) override;

    struct TFrame;
    enum class TFlow : uint8_t { Normal, ExitDo, ExitFor, ExitProc };

private:
    struct TErrState {
        int32_t Number = 0;
        QString Description;
        QString Source;
    };

    std::vector<std::unique_ptr<TModule>> FModules;
    QHash<QString, TProc*> FProcs;
    QHash<QString, int> FGlobalIndex;
    std::deque<TVariant> FGlobals; // a deque: references stay valid as globals are added
    TErrState FErr;

    std::chrono::milliseconds FLimit = kDefaultCallLimit;
    std::chrono::steady_clock::time_point FDeadline;
    uint32_t FTicks = 0;
    std::atomic<bool> FOutOfMemory = false; // set by the watchdog's thread
    int FDepth = 0;
    const char* FStackBase = nullptr;
    int FCurLine = 0;
    const TModule* FCurModule = nullptr;
    uint32_t FRnd = 0x50000;
    float FLastRnd = 0;

    QString FLastRunName;
    TProc* FLastRunProc = nullptr;

    void Start();
    static void StopForMemory(void* self, TZpScriptStop why);
    void Tick();
    void CheckStack();
    void Fill(TZpScriptError& error, const QString& description, int line, const TModule* module) const;
    void Report(TZpScriptError& error);
    void Catch(const EVbsError& e);

    int GlobalSlot(const QString& lower);
    void Resolve(TNameExpr& n, TFrame& f);
    TVariant* VarRef(TNameExpr& n, TFrame& f);

    TVariant Eval(TExpr& e, TFrame& f);
    TVariant EvalName(TNameExpr& n, TFrame& f);
    TVariant EvalMember(TMemberExpr& m, TFrame& f);
    TVariant EvalLiteral(TLiteralExpr& l);
    TVariant EvalBinary(TBinaryExpr& b, TFrame& f);
    bool Truth(TExpr& e, TFrame& f);
    TVariant Compared(TCompareOp op, const TVariant& subject, TExpr& value, TFrame& f);
    std::vector<int32_t> Indices(std::vector<TExprPtr>& args, TFrame& f);
    TVariant* Element(TVariant& holder, const std::vector<int32_t>& indices, bool forWrite);

    TVariant CallProc(TProc& p, std::vector<TExprPtr>& args, TFrame& caller);
    TVariant Invoke(TProc& p, TFrame& frame);
    TVariant CallBuiltin(TNameExpr& n, TFrame& f);

    void Assign(TExpr& target, TVariant value, bool isSet, TFrame& f);
    void RunInits(std::vector<std::unique_ptr<TInitStmt>>& inits, TFrame& f);

    TFlow ExecBlock(TBlock& block, TFrame& f);
    TFlow Exec(TStmt& s, TFrame& f);
    TFlow ExecIf(TIfStmt& s, TFrame& f);
    TFlow ExecSelect(TSelectStmt& s, TFrame& f);
    TFlow ExecFor(TForStmt& s, TFrame& f);
    TFlow ExecForEach(TForEachStmt& s, TFrame& f);
    TFlow ExecDo(TDoStmt& s, TFrame& f);
    void ExecReDim(TReDimStmt& s, TFrame& f);
};

} // namespace zp::vbs
