// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/vbscript/Variant.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace zp::vbs {

struct TBuiltin;
struct TProc;

// The tree the parser builds and the interpreter walks. Nodes are plain
// structs told apart by Kind; name nodes carry a cache the interpreter
// fills on first use, so that a name is looked up once per script.

enum class TExprKind : uint8_t { Literal, Name, Member, Unary, Binary, Compare, Is, Paren, New };

enum class TLitKind : uint8_t { Empty, Null, Nothing, Bool, Integer, Long, Double, Date, String };

enum class TBinOp : uint8_t { Add, Sub, Mul, Div, IntDiv, Mod, Pow, Concat, And, Or, Xor, Eqv, Imp };
enum class TUnOp : uint8_t { Neg, Not, Plus };

struct TExpr {
    explicit TExpr(TExprKind kind, int line) : Kind(kind), Line(line) {}
    virtual ~TExpr() = default;
    TExprKind Kind;
    int Line;
    int Height = 1; // of the subtree, bounded by the parser
};
using TExprPtr = std::unique_ptr<TExpr>;

struct TLiteralExpr : TExpr {
    explicit TLiteralExpr(int line) : TExpr(TExprKind::Literal, line) {}
    TLitKind Lit = TLitKind::Empty;
    int64_t Int = 0;
    double Real = 0;
    QString Str;
    // Built on first use.
    bool Built = false;
    TVariant Value;
};

/// How a name was found; filled by the interpreter on first use.
enum class TNameKind : uint8_t { Unresolved, Local, Global, Proc, Builtin, Constant, ErrObject };

/// A name, maybe with arguments: a variable, an array element, a call.
struct TNameExpr : TExpr {
    explicit TNameExpr(int line) : TExpr(TExprKind::Name, line) {}
    QString Name; // as written
    QString Lower;
    bool HasParens = false;
    std::vector<TExprPtr> Args;
    // Inside a procedure: the local slot this name has (declared, or the
    // slot an undeclared name uses when it names no global); -1 at top level.
    int LocalSlot = -1;
    bool LocalDeclared = false;
    bool CallTarget = false; // the procedure of a call statement
    bool Declares = false;   // ReDim's variable: declared by the statement itself

    TNameKind Resolved = TNameKind::Unresolved;
    int Index = 0; // Local or Global slot
    TProc* Proc = nullptr;
    const TBuiltin* Builtin = nullptr;
    TVariant Constant;
};

/// object.Member[(args)]; only Err has members.
struct TMemberExpr : TExpr {
    explicit TMemberExpr(int line) : TExpr(TExprKind::Member, line) {}
    TExprPtr Object;
    QString Name;
    QString Lower;
    bool HasParens = false;
    std::vector<TExprPtr> Args;
};

struct TUnaryExpr : TExpr {
    explicit TUnaryExpr(int line) : TExpr(TExprKind::Unary, line) {}
    TUnOp Op = TUnOp::Neg;
    TExprPtr Operand;
};

struct TBinaryExpr : TExpr {
    explicit TBinaryExpr(int line) : TExpr(TExprKind::Binary, line) {}
    TBinOp Op = TBinOp::Add;
    TExprPtr Left, Right;
};

struct TCompareExpr : TExpr {
    explicit TCompareExpr(int line) : TExpr(TExprKind::Compare, line) {}
    TCompareOp Op = TCompareOp::Eq;
    TExprPtr Left, Right;
};

/// a Is b: both must be objects (here only Nothing).
struct TIsExpr : TExpr {
    explicit TIsExpr(int line) : TExpr(TExprKind::Is, line) {}
    TExprPtr Left, Right;
};

/// New ClassName: no classes exist, so it fails when run.
struct TNewExpr : TExpr {
    explicit TNewExpr(int line) : TExpr(TExprKind::New, line) {}
    QString ClassName;
};

/// (expr): a value, never a variable, so a ByRef argument in parentheses is passed by value.
struct TParenExpr : TExpr {
    explicit TParenExpr(int line) : TExpr(TExprKind::Paren, line) {}
    TExprPtr Inner;
};

enum class TStmtKind : uint8_t {
    Assign,
    Call,
    If,
    Select,
    For,
    ForEach,
    Do,
    Exit,
    ReDim,
    Erase,
    OnError,
    Const,
    Nop,
};

struct TStmt {
    explicit TStmt(TStmtKind kind, int line) : Kind(kind), Line(line) {}
    virtual ~TStmt() = default;
    TStmtKind Kind;
    int Line;
};
using TStmtPtr = std::unique_ptr<TStmt>;
using TBlock = std::vector<TStmtPtr>;

/// target = value, or Set target = value.
struct TAssignStmt : TStmt {
    explicit TAssignStmt(int line) : TStmt(TStmtKind::Assign, line) {}
    bool IsSet = false;
    TExprPtr Target; // TNameExpr or TMemberExpr
    TExprPtr Value;
};

/// A procedure called as a statement (with or without Call).
struct TCallStmt : TStmt {
    explicit TCallStmt(int line) : TStmt(TStmtKind::Call, line) {}
    TExprPtr Target;
};

struct TIfStmt : TStmt {
    explicit TIfStmt(int line) : TStmt(TStmtKind::If, line) {}
    std::vector<TExprPtr> Conditions; // If, then each ElseIf
    std::vector<TBlock> Blocks;       // one per condition
    TBlock Else;
};

struct TCaseClause {
    enum TKind : uint8_t { Value, Range, Is } Kind = Value;
    TCompareOp Op = TCompareOp::Eq; // for Is
    TExprPtr A, B;
};

struct TCaseBlock {
    std::vector<TCaseClause> Clauses;
    TBlock Body;
};

struct TSelectStmt : TStmt {
    explicit TSelectStmt(int line) : TStmt(TStmtKind::Select, line) {}
    TExprPtr Subject;
    std::vector<TCaseBlock> Cases;
    bool HasElse = false;
    TBlock Else;
};

struct TForStmt : TStmt {
    explicit TForStmt(int line) : TStmt(TStmtKind::For, line) {}
    std::unique_ptr<TNameExpr> Var;
    TExprPtr From, To, Step; // Step may be null
    TBlock Body;
};

struct TForEachStmt : TStmt {
    explicit TForEachStmt(int line) : TStmt(TStmtKind::ForEach, line) {}
    std::unique_ptr<TNameExpr> Var;
    TExprPtr Group;
    TBlock Body;
};

struct TDoStmt : TStmt {
    explicit TDoStmt(int line) : TStmt(TStmtKind::Do, line) {}
    enum TTest : uint8_t { None, PreWhile, PreUntil, PostWhile, PostUntil } Test = None;
    TExprPtr Condition;
    TBlock Body;
};

enum class TExitKind : uint8_t { Do, For, Function, Sub };

struct TExitStmt : TStmt {
    explicit TExitStmt(int line) : TStmt(TStmtKind::Exit, line) {}
    TExitKind What = TExitKind::Do;
};

struct TReDimStmt : TStmt {
    explicit TReDimStmt(int line) : TStmt(TStmtKind::ReDim, line) {}
    bool Preserve = false;
    struct TItem {
        std::unique_ptr<TNameExpr> Var;
        std::vector<TExprPtr> Bounds;
    };
    std::vector<TItem> Items;
};

struct TEraseStmt : TStmt {
    explicit TEraseStmt(int line) : TStmt(TStmtKind::Erase, line) {}
    std::unique_ptr<TNameExpr> Var;
};

struct TOnErrorStmt : TStmt {
    explicit TOnErrorStmt(int line) : TStmt(TStmtKind::OnError, line) {}
    bool ResumeNext = false;
};

/// Const name = value; also used for Dim name(bounds) of a fixed array,
/// whose Bounds are set instead of Value. Run when the scope starts.
struct TInitStmt : TStmt {
    explicit TInitStmt(int line) : TStmt(TStmtKind::Const, line) {}
    std::unique_ptr<TNameExpr> Var;
    TExprPtr Value;
    std::vector<int32_t> Bounds;
    bool IsArray = false; // Dim a() or Dim a(n)
};

struct TParam {
    QString Name;
    QString Lower;
    bool ByVal = false;
};

/// A Function or Sub. Slot 0 holds the function's value, slots 1..n the
/// parameters, then the declared and the undeclared local names.
struct TModule;
struct TProc {
    QString Name;
    QString Lower;
    bool IsFunction = true;
    int Line = 0;
    std::vector<TParam> Params;
    int SlotCount = 1;
    std::vector<std::unique_ptr<TInitStmt>> Inits; // consts and fixed arrays
    TBlock Body;
    TModule* Module = nullptr;
};

/// One piece of code given to AddCode.
struct TModule {
    QStringList Lines; // the source lines, for error messages
    bool Explicit = false;
    std::vector<std::unique_ptr<TProc>> Procs;
    std::vector<std::unique_ptr<TInitStmt>> Inits; // top-level consts and fixed arrays
    QStringList GlobalNames;                       // top-level Dim, Const, ReDim names (lower case)
    TBlock Body;                                   // top-level statements
};

} // namespace zp::vbs
