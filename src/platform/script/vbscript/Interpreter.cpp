// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Interpreter.h"

#include "platform/script/vbscript/Parser.h"

#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <cstring>

namespace zp::vbs {

namespace {

/// A run that passed its time limit; not a language error, so On Error
/// Resume Next cannot swallow it.
struct EVbsTimeout {};
// Past the memory limit: like the time limit, no On Error handler can catch it.
struct EVbsOutOfMemory {};

/// An error about a name: the message shown names it, Err.Description does not.
class EVbsNameError : public EVbsError {
public:
    EVbsNameError(int32_t number, QString description, QString name)
        : EVbsError(number, std::move(description)), Name(std::move(name)) {}
    QString Name;
};

/// Err.Raise: the error with the source the script gave.
class EVbsRaised : public EVbsError {
public:
    EVbsRaised(int32_t number, QString description, QString source)
        : EVbsError(number, std::move(description)), Source(std::move(source)) {}
    QString Source;
};

constexpr size_t kStackBudget = 2 * 1024 * 1024; // bytes of C++ stack a run may use
const QString kRuntimeSource = QStringLiteral("VBScript runtime error");

[[noreturn]] void Fail(int32_t number, const char* description) {
    throw EVbsError(number, QString::fromLatin1(description));
}

[[noreturn]] void FailName(int32_t number, const char* description, const QString& name) {
    throw EVbsNameError(number, QString::fromLatin1(description), name);
}

QString StandardDescription(int32_t number) {
    try {
        Raise(number);
    } catch (const EVbsError& e) {
        return e.Description();
    }
    return {};
}

bool IsObject(const TVariant& v) {
    return v.Type() == TVarType::Object;
}

// A number or text written in the script; a signed number counts too.
bool IsLiteral(const TExpr& e) {
    if (e.Kind == TExprKind::Literal)
        return true;
    if (e.Kind != TExprKind::Unary)
        return false;
    const auto& u = static_cast<const TUnaryExpr&>(e);
    return u.Op != TUnOp::Not && IsLiteral(*u.Operand);
}

// The sandbox: scripts get no objects, so object factories always fail.
TVariant NoObjects(IVbsRuntime&, const std::vector<TVariant>&) {
    Fail(kErrActiveX, "ActiveX component can't create object");
}
const TBuiltin kNoObjects{&NoObjects, 0, 8};

} // namespace

struct TInterpreter::TFrame {
    TProc* Proc = nullptr;
    const TModule* Module = nullptr;
    std::vector<TVariant> Own;
    std::vector<TVariant*> Slots;
    bool ResumeNext = false;
};

TInterpreter::TInterpreter() = default;
TInterpreter::~TInterpreter() = default;

void TInterpreter::Reset() {
    FProcs.clear();
    FGlobalIndex.clear();
    FGlobals.clear();
    FModules.clear();
    FErr = {};
    FLastRunName.clear();
    FLastRunProc = nullptr;
}

void TInterpreter::Start() {
    FDeadline = std::chrono::steady_clock::now() + FLimit;
    FTicks = 0;
    FOutOfMemory.store(false, std::memory_order_relaxed);
    FDepth = 0;
    char here;
    FStackBase = &here;
    FCurLine = 0;
}

void TInterpreter::StopForMemory(void* self, TZpScriptStop why) {
    // The interpreter keeps its own time; the watchdog is here for memory.
    if (why == TZpScriptStop::OutOfMemory)
        static_cast<TInterpreter*>(self)->FOutOfMemory.store(true, std::memory_order_relaxed);
}

void TInterpreter::Tick() {
    if (FOutOfMemory.load(std::memory_order_relaxed))
        throw EVbsOutOfMemory{};
    if ((++FTicks & 15) != 0)
        return;
    if (std::chrono::steady_clock::now() > FDeadline)
        throw EVbsTimeout{};
}

void TInterpreter::CheckStack() {
    char here;
    const auto used = static_cast<size_t>(std::abs(FStackBase - &here));
    if (used > kStackBudget)
        Fail(28, "Out of stack space");
}

void TInterpreter::Fill(TZpScriptError& error, const QString& description, int line,
                        const TModule* module) const {
    error.Description = description;
    error.Line = line;
    error.Text = module && line > 0 && line <= module->Lines.size() ? module->Lines[line - 1] : QString();
}

void TInterpreter::Catch(const EVbsError& e) {
    FErr.Number = e.Number();
    FErr.Description = e.Description();
    const auto* raised = dynamic_cast<const EVbsRaised*>(&e);
    FErr.Source = raised ? raised->Source : kRuntimeSource;
}

int TInterpreter::GlobalSlot(const QString& lower) {
    if (auto it = FGlobalIndex.constFind(lower); it != FGlobalIndex.cend())
        return *it;
    const int index = int(FGlobals.size());
    FGlobals.emplace_back();
    FGlobalIndex.insert(lower, index);
    return index;
}

// ---- entry points

bool TInterpreter::AddCode(const QString& source, TZpScriptError& error) {
    std::unique_ptr<TModule> module;
    try {
        module = Parse(source);
        // Names must be new to the script as a whole.
        for (const auto& p : module->Procs) {
            if (FProcs.contains(p->Lower) || FGlobalIndex.contains(p->Lower))
                throw EVbsCompileError("Name redefined", p->Line);
        }
        for (const QString& name : module->GlobalNames) {
            if (FProcs.contains(name))
                throw EVbsCompileError("Name redefined", 0);
        }
    } catch (const EVbsCompileError& e) {
        const QStringList lines = source.split(QRegularExpression("\r\n|\r|\n"));
        error.Description = e.Description();
        error.Line = e.Line();
        error.Text = e.Line() > 0 && e.Line() <= lines.size() ? lines[e.Line() - 1] : QString();
        return false;
    }
    for (const auto& p : module->Procs)
        FProcs.insert(p->Lower, p.get());
    for (const QString& name : module->GlobalNames)
        GlobalSlot(name);
    TModule* m = module.get();
    FModules.push_back(std::move(module));
    FLastRunName.clear();

    Start();
    TFrame top;
    top.Module = m;
    FCurModule = m;
    TZpWatchdogScope watchdog(FLimit, &StopForMemory, this);
    try {
        RunInits(m->Inits, top);
        ExecBlock(m->Body, top);
    } catch (...) {
        Report(error);
        return false;
    }
    return true;
}

bool TInterpreter::Run(const QString& name, const QStringList& arguments, QString& result,
                       TZpScriptError& error) {
    TProc* proc = nullptr;
    if (FLastRunProc && name == FLastRunName) {
        proc = FLastRunProc;
    } else {
        proc = FProcs.value(name.toLower(), nullptr);
        if (!proc) {
            Fill(error, QStringLiteral("Type mismatch: '%1'").arg(name), 0, nullptr);
            return false;
        }
        FLastRunName = name;
        FLastRunProc = proc;
    }
    if (arguments.size() != qsizetype(proc->Params.size())) {
        Fill(error, StandardDescription(kErrWrongArgs), proc->Line, proc->Module);
        return false;
    }
    Start();
    FCurModule = proc->Module;
    FCurLine = proc->Line;
    TZpWatchdogScope watchdog(FLimit, &StopForMemory, this);
    try {
        TFrame frame;
        frame.Own.resize(proc->SlotCount);
        frame.Slots.resize(proc->SlotCount);
        for (int i = 0; i < proc->SlotCount; ++i)
            frame.Slots[i] = &frame.Own[i];
        for (int i = 0; i < arguments.size(); ++i)
            frame.Own[i + 1] = TVariant::FromString(arguments[i]);
        const TVariant value = Invoke(*proc, frame);
        // Null has no text: printing "" or "Null" would hide the fault.
        if (value.IsNull())
            Fail(94, "Invalid use of Null");
        if (value.IsArray() || IsObject(value))
            Fail(kErrTypeMismatch, "Type mismatch");
        result = value.IsEmpty() ? QString() : ToString(value);
    } catch (...) {
        Report(error);
        return false;
    }
    return true;
}

// Turns the exception in flight into the error the host reads.
void TInterpreter::Report(TZpScriptError& error) {
    try {
        throw;
    } catch (const EVbsNameError& e) {
        Fill(error, QStringLiteral("%1: '%2'").arg(e.Description(), e.Name), FCurLine, FCurModule);
    } catch (const EVbsError& e) {
        Fill(error, e.Description(), FCurLine, FCurModule);
    } catch (const EVbsTimeout&) {
        Fill(error, QStringLiteral("Script timed out"), FCurLine, FCurModule);
    } catch (const EVbsOutOfMemory&) {
        Fill(error, StandardDescription(kErrOutOfMemory), FCurLine, FCurModule);
    } catch (const std::bad_alloc&) {
        Fill(error, StandardDescription(kErrOutOfMemory), FCurLine, FCurModule);
    } catch (const std::length_error&) {
        Fill(error, StandardDescription(kErrOutOfMemory), FCurLine, FCurModule);
    } catch (...) {
        Fill(error, QStringLiteral("Unknown runtime error"), FCurLine, FCurModule);
    }
}

// ---- names

void TInterpreter::Resolve(TNameExpr& n, TFrame& f) {
    if (n.LocalSlot >= 0 && n.LocalDeclared) {
        n.Resolved = TNameKind::Local;
        n.Index = n.LocalSlot;
        return;
    }
    if (auto it = FGlobalIndex.constFind(n.Lower); it != FGlobalIndex.cend()) {
        n.Resolved = TNameKind::Global;
        n.Index = *it;
        return;
    }
    if (TProc* p = FProcs.value(n.Lower, nullptr)) {
        n.Resolved = TNameKind::Proc;
        n.Proc = p;
        return;
    }
    if (n.Lower == u"err") {
        n.Resolved = TNameKind::ErrObject;
        return;
    }
    if (n.Lower == u"createobject" || n.Lower == u"getobject") {
        n.Resolved = TNameKind::Builtin;
        n.Builtin = &kNoObjects;
        return;
    }
    if (const TBuiltin* b = FindBuiltin(n.Lower)) {
        n.Resolved = TNameKind::Builtin;
        n.Builtin = b;
        return;
    }
    if (FindConstant(n.Lower, n.Constant)) {
        n.Resolved = TNameKind::Constant;
        return;
    }
    // An undeclared local that ReDim has brought to life.
    if (n.LocalSlot >= 0 && size_t(n.LocalSlot) < f.Slots.size() && !f.Slots[n.LocalSlot]->IsEmpty()) {
        n.Resolved = TNameKind::Local;
        n.Index = n.LocalSlot;
        return;
    }
    // An undeclared name: an error under Option Explicit, a call of nothing
    // with arguments, otherwise a new variable holding Empty.
    if (f.Module && f.Module->Explicit && !n.Declares)
        FailName(kErrUndefined, "Variable is undefined", n.Name);
    if (n.HasParens || !n.Args.empty())
        FailName(kErrTypeMismatch, "Type mismatch", n.Name);
    if (n.LocalSlot >= 0) {
        n.Resolved = TNameKind::Local;
        n.Index = n.LocalSlot;
    } else {
        n.Resolved = TNameKind::Global;
        n.Index = GlobalSlot(n.Lower);
    }
}

TVariant* TInterpreter::VarRef(TNameExpr& n, TFrame& f) {
    if (n.Resolved == TNameKind::Unresolved)
        Resolve(n, f);
    if (n.Resolved == TNameKind::Local)
        return f.Slots[n.Index];
    if (n.Resolved == TNameKind::Global)
        return &FGlobals[n.Index];
    return nullptr;
}

std::vector<int32_t> TInterpreter::Indices(std::vector<TExprPtr>& args, TFrame& f) {
    std::vector<int32_t> out;
    out.reserve(args.size());
    for (auto& a : args)
        out.push_back(ToLong(Eval(*a, f)));
    return out;
}

TVariant* TInterpreter::Element(TVariant& holder, const std::vector<int32_t>& indices, bool forWrite) {
    if (!holder.IsArray() || !holder.Arr())
        Fail(kErrTypeMismatch, "Type mismatch");
    TVarArray& arr = forWrite ? holder.MutableArr() : *holder.Arr();
    if (indices.size() != arr.Upper.size())
        Raise(kErrSubscript);
    size_t index = 0;
    for (size_t d = 0; d < indices.size(); ++d) {
        if (indices[d] < 0 || indices[d] > arr.Upper[d])
            Raise(kErrSubscript);
        index = index * size_t(arr.Upper[d] + 1) + size_t(indices[d]);
    }
    if (index >= arr.Items.size())
        Raise(kErrSubscript);
    return &arr.Items[index];
}

// ---- expressions

TVariant TInterpreter::EvalLiteral(TLiteralExpr& l) {
    if (!l.Built) {
        switch (l.Lit) {
        case TLitKind::Empty:
            l.Value = TVariant();
            break;
        case TLitKind::Null:
            l.Value = TVariant::Null();
            break;
        case TLitKind::Nothing:
            l.Value = TVariant::Nothing();
            break;
        case TLitKind::Bool:
            l.Value = TVariant::FromBool(l.Int != 0);
            break;
        case TLitKind::Integer:
            l.Value = TVariant::FromInteger(int16_t(l.Int));
            break;
        case TLitKind::Long:
            l.Value = TVariant::FromLong(int32_t(l.Int));
            break;
        case TLitKind::Double:
            l.Value = TVariant::FromDouble(l.Real);
            break;
        case TLitKind::Date:
            l.Value = TVariant::FromDate(l.Real);
            break;
        case TLitKind::String:
            l.Value = TVariant::FromString(l.Str);
            break;
        }
        l.Built = true;
    }
    return l.Value;
}

TVariant TInterpreter::Eval(TExpr& e, TFrame& f) {
    switch (e.Kind) {
    case TExprKind::Literal:
        return EvalLiteral(static_cast<TLiteralExpr&>(e));
    case TExprKind::Name:
        return EvalName(static_cast<TNameExpr&>(e), f);
    case TExprKind::Member:
        return EvalMember(static_cast<TMemberExpr&>(e), f);
    case TExprKind::Binary:
        return EvalBinary(static_cast<TBinaryExpr&>(e), f);
    case TExprKind::Paren:
        return Eval(*static_cast<TParenExpr&>(e).Inner, f);
    case TExprKind::Unary: {
        auto& u = static_cast<TUnaryExpr&>(e);
        TVariant v = Eval(*u.Operand, f);
        switch (u.Op) {
        case TUnOp::Neg:
            return OpNeg(v);
        case TUnOp::Not:
            return OpNot(v);
        case TUnOp::Plus:
            return v;
        }
        return v;
    }
    case TExprKind::Compare: {
        auto& c = static_cast<TCompareExpr&>(e);
        const TVariant a = Eval(*c.Left, f);
        const TVariant b = Eval(*c.Right, f);
        return OpCompareTyped(c.Op, a, IsLiteral(*c.Left), b, IsLiteral(*c.Right));
    }
    case TExprKind::Is: {
        auto& c = static_cast<TIsExpr&>(e);
        const TVariant a = Eval(*c.Left, f);
        const TVariant b = Eval(*c.Right, f);
        if (!IsObject(a) || !IsObject(b))
            Fail(kErrObjectRequired, "Object required");
        return TVariant::FromBool(true); // Nothing is the only object
    }
    case TExprKind::New:
        FailName(506, "Class not defined", static_cast<TNewExpr&>(e).ClassName);
    }
    return {};
}

TVariant TInterpreter::EvalBinary(TBinaryExpr& b, TFrame& f) {
    CheckStack();
    TVariant l = Eval(*b.Left, f);
    TVariant r = Eval(*b.Right, f);
    switch (b.Op) {
    case TBinOp::Concat:
        return OpConcat(l, r);
    case TBinOp::Add:
        return OpAdd(l, r);
    case TBinOp::Sub:
        return OpSub(l, r);
    case TBinOp::Mul:
        return OpMul(l, r);
    case TBinOp::Div:
        return OpDiv(l, r);
    case TBinOp::IntDiv:
        return OpIntDiv(l, r);
    case TBinOp::Mod:
        return OpMod(l, r);
    case TBinOp::Pow:
        return OpPow(l, r);
    case TBinOp::And:
        return OpAnd(l, r);
    case TBinOp::Or:
        return OpOr(l, r);
    case TBinOp::Xor:
        return OpXor(l, r);
    case TBinOp::Eqv:
        return OpEqv(l, r);
    case TBinOp::Imp:
        return OpImp(l, r);
    }
    return {};
}

TVariant TInterpreter::EvalName(TNameExpr& n, TFrame& f) {
    if (n.Resolved == TNameKind::Unresolved)
        Resolve(n, f);
    switch (n.Resolved) {
    case TNameKind::Local:
    case TNameKind::Global: {
        TVariant& v = n.Resolved == TNameKind::Local ? *f.Slots[n.Index] : FGlobals[n.Index];
        if (n.Args.empty())
            return v;
        const std::vector<int32_t> indices = Indices(n.Args, f);
        // The indices may have changed the variable; look again.
        TVariant& holder = n.Resolved == TNameKind::Local ? *f.Slots[n.Index] : FGlobals[n.Index];
        return *Element(holder, indices, false);
    }
    case TNameKind::Proc:
        return CallProc(*n.Proc, n.Args, f);
    case TNameKind::Builtin:
        return CallBuiltin(n, f);
    case TNameKind::Constant:
        if (!n.Args.empty())
            FailName(kErrTypeMismatch, "Type mismatch", n.Name);
        return n.Constant;
    case TNameKind::ErrObject:
        if (!n.Args.empty())
            FailName(kErrTypeMismatch, "Type mismatch", n.Name);
        return TVariant::FromLong(FErr.Number);
    case TNameKind::Unresolved:
        break;
    }
    return {};
}

TVariant TInterpreter::EvalMember(TMemberExpr& m, TFrame& f) {
    bool isErr = false;
    if (m.Object->Kind == TExprKind::Name) {
        auto& n = static_cast<TNameExpr&>(*m.Object);
        if (n.Resolved == TNameKind::Unresolved)
            Resolve(n, f);
        isErr = n.Resolved == TNameKind::ErrObject && n.Args.empty();
    }
    if (!isErr) {
        const TVariant object = Eval(*m.Object, f);
        if (IsObject(object))
            Fail(91, "Object variable not set");
        Fail(kErrObjectRequired, "Object required");
    }
    const auto noArgs = [&] {
        if (!m.Args.empty())
            Fail(kErrWrongArgs, "Wrong number of arguments or invalid property assignment");
    };
    if (m.Lower == u"number") {
        noArgs();
        return TVariant::FromLong(FErr.Number);
    }
    if (m.Lower == u"description") {
        noArgs();
        return TVariant::FromString(FErr.Description);
    }
    if (m.Lower == u"source") {
        noArgs();
        return TVariant::FromString(FErr.Source);
    }
    if (m.Lower == u"helpfile") {
        noArgs();
        return TVariant::FromString(QString());
    }
    if (m.Lower == u"helpcontext") {
        noArgs();
        return TVariant::FromLong(0);
    }
    if (m.Lower == u"clear") {
        noArgs();
        FErr = {};
        return {};
    }
    if (m.Lower == u"raise") {
        if (m.Args.empty() || m.Args.size() > 5)
            Fail(kErrWrongArgs, "Wrong number of arguments or invalid property assignment");
        std::vector<TVariant> a;
        for (auto& arg : m.Args)
            a.push_back(Eval(*arg, f));
        const int32_t number = ToLong(a[0]);
        if (number == 0)
            Raise(kErrInvalidCall);
        QString description = a.size() > 2 && !a[2].IsEmpty() ? ToString(a[2]) : StandardDescription(number);
        const QString source = a.size() > 1 && !a[1].IsEmpty() ? ToString(a[1]) : kRuntimeSource;
        throw EVbsRaised(number, description, source);
    }
    Fail(438, "Object doesn't support this property or method");
}

bool TInterpreter::Truth(TExpr& e, TFrame& f) {
    const TVariant v = Eval(e, f);
    if (v.IsNull())
        return false; // a Null condition counts as not met
    return ToBool(v);
}

// ---- calls

TVariant TInterpreter::CallBuiltin(TNameExpr& n, TFrame& f) {
    const TBuiltin& b = *n.Builtin;
    if (int(n.Args.size()) < b.MinArgs || int(n.Args.size()) > b.MaxArgs)
        FailName(kErrWrongArgs, "Wrong number of arguments or invalid property assignment", n.Name);
    std::vector<TVariant> args;
    args.reserve(n.Args.size());
    for (auto& a : n.Args)
        args.push_back(Eval(*a, f));
    return b.Fn(*this, args);
}

TVariant TInterpreter::CallProc(TProc& p, std::vector<TExprPtr>& args, TFrame& caller) {
    if (args.size() != p.Params.size())
        FailName(kErrWrongArgs, "Wrong number of arguments or invalid property assignment", p.Name);
    TFrame frame;
    frame.Own.resize(p.SlotCount);
    frame.Slots.resize(p.SlotCount);
    for (int i = 0; i < p.SlotCount; ++i)
        frame.Slots[i] = &frame.Own[i];

    // A ByRef argument naming a variable shares it; an array element is
    // copied in and written back after the call.
    struct TWriteBack {
        TVariant* Holder;
        std::vector<int32_t> Indices;
        int Slot;
    };
    std::vector<TWriteBack> writeBacks;
    for (size_t i = 0; i < args.size(); ++i) {
        TExpr& arg = *args[i];
        const int slot = int(i) + 1;
        if (!p.Params[i].ByVal && arg.Kind == TExprKind::Name) {
            auto& n = static_cast<TNameExpr&>(arg);
            if (n.Resolved == TNameKind::Unresolved)
                Resolve(n, caller);
            if (n.Resolved == TNameKind::Local || n.Resolved == TNameKind::Global) {
                TVariant* var = VarRef(n, caller);
                if (n.Args.empty()) {
                    frame.Slots[slot] = var;
                    continue;
                }
                std::vector<int32_t> indices = Indices(n.Args, caller);
                var = VarRef(n, caller);
                frame.Own[slot] = *Element(*var, indices, false);
                writeBacks.push_back({var, std::move(indices), slot});
                continue;
            }
        }
        frame.Own[slot] = Eval(arg, caller);
    }
    const int savedLine = FCurLine;
    const TModule* savedModule = FCurModule;
    TVariant result = Invoke(p, frame);
    FCurLine = savedLine;
    FCurModule = savedModule;
    for (const TWriteBack& w : writeBacks) {
        if (w.Holder->IsArray())
            *Element(*w.Holder, w.Indices, true) = frame.Own[w.Slot];
    }
    return result;
}

TVariant TInterpreter::Invoke(TProc& p, TFrame& frame) {
    if (++FDepth > kMaxCallDepth) {
        --FDepth;
        Fail(28, "Out of stack space");
    }
    struct TDepth {
        int& Depth;
        ~TDepth() { --Depth; }
    } depth{FDepth};
    CheckStack();
    Tick();
    frame.Proc = &p;
    frame.Module = p.Module;
    FCurModule = p.Module;
    FCurLine = p.Line;
    RunInits(p.Inits, frame);
    ExecBlock(p.Body, frame);
    return std::move(frame.Own[0]);
}

// ---- statements

void TInterpreter::RunInits(std::vector<std::unique_ptr<TInitStmt>>& inits, TFrame& f) {
    for (auto& init : inits) {
        FCurLine = init->Line;
        TVariant* var = VarRef(*init->Var, f);
        if (!var)
            continue;
        if (!init->IsArray) {
            *var = Eval(*init->Value, f);
            continue;
        }
        auto arr = std::make_shared<TVarArray>();
        int64_t count = 1;
        for (int32_t upper : init->Bounds) {
            count *= int64_t(upper) + 1;
            if (count > kMaxArrayItems)
                Raise(kErrOutOfMemory);
        }
        arr->Upper = init->Bounds;
        if (!init->Bounds.empty())
            arr->Items.resize(size_t(count));
        *var = TVariant::FromArray(std::move(arr));
    }
}

void TInterpreter::Assign(TExpr& target, TVariant value, bool isSet, TFrame& f) {
    if (isSet && !IsObject(value))
        Fail(kErrObjectRequired, "Object required");
    if (!isSet && IsObject(value))
        Fail(91, "Object variable not set");
    if (target.Kind == TExprKind::Member) {
        auto& m = static_cast<TMemberExpr&>(target);
        bool isErr = false;
        if (m.Object->Kind == TExprKind::Name) {
            auto& n = static_cast<TNameExpr&>(*m.Object);
            if (n.Resolved == TNameKind::Unresolved)
                Resolve(n, f);
            isErr = n.Resolved == TNameKind::ErrObject;
        }
        if (!isErr)
            Fail(kErrObjectRequired, "Object required");
        if (m.Lower == u"number")
            FErr.Number = ToLong(value);
        else if (m.Lower == u"description")
            FErr.Description = ToString(value);
        else if (m.Lower == u"source")
            FErr.Source = ToString(value);
        else
            Fail(438, "Object doesn't support this property or method");
        return;
    }
    auto& n = static_cast<TNameExpr&>(target);
    if (n.Resolved == TNameKind::Unresolved)
        Resolve(n, f);
    if (n.Resolved != TNameKind::Local && n.Resolved != TNameKind::Global)
        FailName(501, "Illegal assignment", n.Name);
    if (n.Args.empty()) {
        *VarRef(n, f) = std::move(value);
        return;
    }
    const std::vector<int32_t> indices = Indices(n.Args, f);
    *Element(*VarRef(n, f), indices, true) = std::move(value);
}

TInterpreter::TFlow TInterpreter::ExecBlock(TBlock& block, TFrame& f) {
    for (auto& s : block) {
        TFlow flow;
        if (f.ResumeNext) {
            try {
                flow = Exec(*s, f);
            } catch (const EVbsError& e) {
                Catch(e);
                FCurModule = f.Module; // the error may have come from a procedure of other code
                continue;
            }
        } else {
            flow = Exec(*s, f);
        }
        if (flow != TFlow::Normal)
            return flow;
    }
    return TFlow::Normal;
}

TInterpreter::TFlow TInterpreter::Exec(TStmt& s, TFrame& f) {
    FCurLine = s.Line;
    switch (s.Kind) {
    case TStmtKind::Assign: {
        auto& a = static_cast<TAssignStmt&>(s);
        Assign(*a.Target, Eval(*a.Value, f), a.IsSet, f);
        return TFlow::Normal;
    }
    case TStmtKind::Call:
        (void)Eval(*static_cast<TCallStmt&>(s).Target, f);
        return TFlow::Normal;
    case TStmtKind::If:
        return ExecIf(static_cast<TIfStmt&>(s), f);
    case TStmtKind::Select:
        return ExecSelect(static_cast<TSelectStmt&>(s), f);
    case TStmtKind::For:
        return ExecFor(static_cast<TForStmt&>(s), f);
    case TStmtKind::ForEach:
        return ExecForEach(static_cast<TForEachStmt&>(s), f);
    case TStmtKind::Do:
        return ExecDo(static_cast<TDoStmt&>(s), f);
    case TStmtKind::Exit:
        switch (static_cast<TExitStmt&>(s).What) {
        case TExitKind::Do:
            return TFlow::ExitDo;
        case TExitKind::For:
            return TFlow::ExitFor;
        default:
            return TFlow::ExitProc;
        }
    case TStmtKind::ReDim:
        ExecReDim(static_cast<TReDimStmt&>(s), f);
        return TFlow::Normal;
    case TStmtKind::Erase: {
        TVariant* var = VarRef(*static_cast<TEraseStmt&>(s).Var, f);
        if (!var || !var->IsArray() || !var->Arr())
            Fail(kErrTypeMismatch, "Type mismatch");
        for (TVariant& item : var->MutableArr().Items)
            item = TVariant();
        return TFlow::Normal;
    }
    case TStmtKind::OnError:
        f.ResumeNext = static_cast<TOnErrorStmt&>(s).ResumeNext;
        FErr = {};
        return TFlow::Normal;
    case TStmtKind::Const:
    case TStmtKind::Nop:
        return TFlow::Normal;
    }
    return TFlow::Normal;
}

TInterpreter::TFlow TInterpreter::ExecIf(TIfStmt& s, TFrame& f) {
    for (size_t i = 0; i < s.Conditions.size(); ++i) {
        bool met;
        try {
            met = Truth(*s.Conditions[i], f);
        } catch (const EVbsError& e) {
            // Resuming after a failed condition goes on with the statement
            // after it, the first of its branch.
            if (!f.ResumeNext)
                throw;
            Catch(e);
            FCurModule = f.Module;
            met = true;
        }
        if (met)
            return ExecBlock(s.Blocks[i], f);
    }
    return ExecBlock(s.Else, f);
}

// A Case value compares as in "subject = value" written in the script.
TVariant TInterpreter::Compared(TCompareOp op, const TVariant& subject, TExpr& value, TFrame& f) {
    return OpCompareTyped(op, subject, false, Eval(value, f), IsLiteral(value));
}

TInterpreter::TFlow TInterpreter::ExecSelect(TSelectStmt& s, TFrame& f) {
    const TVariant subject = Eval(*s.Subject, f);
    const auto holds = [](const TVariant& v) { return !v.IsNull() && ToBool(v); };
    for (TCaseBlock& c : s.Cases) {
        for (TCaseClause& clause : c.Clauses) {
            bool match = false;
            switch (clause.Kind) {
            case TCaseClause::Value:
                match = holds(Compared(TCompareOp::Eq, subject, *clause.A, f));
                break;
            case TCaseClause::Is:
                match = holds(Compared(clause.Op, subject, *clause.A, f));
                break;
            case TCaseClause::Range:
                match = holds(Compared(TCompareOp::Ge, subject, *clause.A, f)) &&
                        holds(Compared(TCompareOp::Le, subject, *clause.B, f));
                break;
            }
            if (match)
                return ExecBlock(c.Body, f);
        }
    }
    return s.HasElse ? ExecBlock(s.Else, f) : TFlow::Normal;
}

TInterpreter::TFlow TInterpreter::ExecFor(TForStmt& s, TFrame& f) {
    // The bounds and the step are evaluated once, before the first pass.
    // Texts count as the numbers they hold, as in any arithmetic.
    const auto numeric = [](TVariant v) {
        if (v.Type() == TVarType::String)
            return TVariant::FromDouble(ToDouble(v));
        if (!v.IsNumeric() && v.Type() != TVarType::Date)
            Raise(kErrTypeMismatch);
        return v;
    };
    const TVariant from = numeric(Eval(*s.From, f));
    const TVariant to = numeric(Eval(*s.To, f));
    const TVariant step = s.Step ? numeric(Eval(*s.Step, f)) : TVariant::FromInteger(1);
    const bool down = ToDouble(step) < 0;
    TVariant* var = VarRef(*s.Var, f);
    if (!var)
        FailName(501, "Illegal assignment", s.Var->Name);
    *var = from;
    while (true) {
        var = VarRef(*s.Var, f);
        const int order = Compare(*var, to);
        if (down ? order < 0 : order > 0)
            break;
        Tick();
        const TFlow flow = ExecBlock(s.Body, f);
        if (flow == TFlow::ExitFor)
            break;
        if (flow != TFlow::Normal)
            return flow;
        var = VarRef(*s.Var, f);
        *var = OpAdd(*var, step);
    }
    return TFlow::Normal;
}

TInterpreter::TFlow TInterpreter::ExecForEach(TForEachStmt& s, TFrame& f) {
    const TVariant group = Eval(*s.Group, f);
    if (!group.IsArray())
        Fail(451, "Object not a collection");
    // Iterate a snapshot: the body may change the array itself.
    const std::shared_ptr<TVarArray> items = group.Arr();
    if (!items)
        return TFlow::Normal;
    for (const TVariant& item : items->Items) {
        Tick();
        TVariant* var = VarRef(*s.Var, f);
        if (!var)
            FailName(501, "Illegal assignment", s.Var->Name);
        *var = item;
        const TFlow flow = ExecBlock(s.Body, f);
        if (flow == TFlow::ExitFor)
            break;
        if (flow != TFlow::Normal)
            return flow;
    }
    return TFlow::Normal;
}

TInterpreter::TFlow TInterpreter::ExecDo(TDoStmt& s, TFrame& f) {
    while (true) {
        Tick();
        if (s.Test == TDoStmt::PreWhile && !Truth(*s.Condition, f))
            break;
        if (s.Test == TDoStmt::PreUntil && Truth(*s.Condition, f))
            break;
        const TFlow flow = ExecBlock(s.Body, f);
        if (flow == TFlow::ExitDo)
            break;
        if (flow != TFlow::Normal)
            return flow;
        if (s.Test == TDoStmt::PostWhile && !Truth(*s.Condition, f))
            break;
        if (s.Test == TDoStmt::PostUntil && Truth(*s.Condition, f))
            break;
    }
    return TFlow::Normal;
}

void TInterpreter::ExecReDim(TReDimStmt& s, TFrame& f) {
    for (TReDimStmt::TItem& item : s.Items) {
        std::vector<int32_t> upper;
        int64_t count = 1;
        for (auto& b : item.Bounds) {
            const int32_t u = ToLong(Eval(*b, f));
            if (u < -1)
                Raise(kErrSubscript);
            count *= int64_t(u) + 1;
            if (count > kMaxArrayItems)
                Raise(kErrOutOfMemory);
            upper.push_back(u);
        }
        TVariant* var = VarRef(*item.Var, f);
        if (!var)
            FailName(501, "Illegal assignment", item.Var->Name);
        auto arr = std::make_shared<TVarArray>();
        arr->Upper = upper;
        arr->Items.resize(size_t(count));
        if (s.Preserve && var->IsArray() && var->Arr() && !var->Arr()->Items.empty()) {
            const TVarArray& old = *var->Arr();
            if (old.Upper.size() != upper.size())
                Raise(kErrSubscript);
            // Copy every element whose indices exist in both shapes.
            std::vector<int32_t> index(upper.size(), 0);
            for (size_t k = 0; k < arr->Items.size(); ++k) {
                size_t from = 0;
                bool inside = true;
                for (size_t d = 0; d < upper.size(); ++d) {
                    if (index[d] > old.Upper[d])
                        inside = false;
                    from = from * size_t(old.Upper[d] + 1) + size_t(index[d]);
                }
                if (inside && from < old.Items.size())
                    arr->Items[k] = old.Items[from];
                for (size_t d = upper.size(); d-- > 0;) {
                    if (++index[d] <= upper[d])
                        break;
                    index[d] = 0;
                }
            }
        }
        *var = TVariant::FromArray(std::move(arr));
    }
}

// ---- Rnd and Randomize: the language's 24-bit linear congruential sequence

double TInterpreter::NextRandom(double argument, bool hasArgument) {
    if (hasArgument && argument == 0)
        return FLastRnd;
    if (hasArgument && argument < 0) {
        const float single = float(argument);
        uint32_t bits;
        std::memcpy(&bits, &single, sizeof bits);
        FRnd = (bits + (bits >> 24)) & 0xFFFFFF;
    }
    FRnd = (FRnd * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFF;
    FLastRnd = float(FRnd) / 16777216.0f;
    return FLastRnd;
}

void TInterpreter::Randomize(double seed, bool hasSeed) {
    if (!hasSeed) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        seed =
            double(std::chrono::duration_cast<std::chrono::microseconds>(now).count() % 86400000000LL) / 1e6;
    }
    uint64_t bits;
    std::memcpy(&bits, &seed, sizeof bits);
    const uint32_t mixed = uint32_t(bits >> 32) ^ uint32_t(bits);
    FRnd = (((mixed & 0xFFFF) ^ (mixed >> 16)) << 8 | (FRnd & 0xFF)) & 0xFFFFFF;
}

} // namespace zp::vbs
