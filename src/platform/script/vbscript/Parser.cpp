// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Parser.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace zp::vbs {

namespace {

QString Quoted(const char* word) {
    return QStringLiteral("Expected '%1'").arg(QLatin1String(word));
}

template <class T> std::unique_ptr<T> Make(int line) {
    return std::make_unique<T>(line);
}

class TParser {
public:
    explicit TParser(const QString& source) : T(Tokenize(source)) {}

    std::unique_ptr<TModule> Run(const QString& source) {
        M = std::make_unique<TModule>();
        M->Lines = source.split(QRegularExpression("\r\n|\r|\n"));
        M->Body = ParseBlock(TEnd::TopLevel);
        if (Cur().Kind != TTok::End)
            throw EVbsCompileError("Expected statement", Cur().Line);
        return std::move(M);
    }

private:
    // Where a block stops: the keywords its statement ends with.
    enum class TEnd { TopLevel, Proc, If, SingleIf, Select, For, Do, While };

    std::vector<TToken> T;
    size_t P = 0;
    std::unique_ptr<TModule> M;
    int Depth = 0;

    // The procedure being parsed, its names and slots.
    TProc* Proc = nullptr;
    QHash<QString, int> Locals; // declared locals → slot
    QSet<QString> LocalConsts;
    std::vector<TNameExpr*> ProcNames; // every name node of the procedure
    int ForDepth = 0, DoDepth = 0;

    QSet<QString> GlobalDeclared; // this module's top-level names
    QSet<QString> GlobalConsts;

    const TToken& Cur() const { return T[P]; }
    const TToken& Peek(size_t n = 1) const { return T[std::min(P + n, T.size() - 1)]; }
    bool IsKw(TKw kw) const { return Cur().Kind == TTok::Ident && Cur().Kw == kw; }
    bool IsWord(const char* lower) const {
        return Cur().Kind == TTok::Ident && Cur().Kw == TKw::None && Cur().Lower == QLatin1String(lower);
    }
    bool IsTok(TTok k) const { return Cur().Kind == k; }
    const TToken& Take() { return T[P < T.size() - 1 ? P++ : P]; }
    [[noreturn]] void Fail(const QString& what) const { throw EVbsCompileError(what, Cur().Line); }
    void Expect(TTok k, const char* text) {
        if (!IsTok(k))
            Fail(Quoted(text));
        Take();
    }
    void ExpectKw(TKw kw, const char* text) {
        if (!IsKw(kw))
            Fail(Quoted(text));
        Take();
    }
    bool AtStatementEnd() const {
        return IsTok(TTok::NewLine) || IsTok(TTok::Colon) || IsTok(TTok::End) || IsKw(TKw::Else);
    }

    struct TDepthGuard {
        explicit TDepthGuard(TParser& p) : Parser(p) {
            if (++Parser.Depth > kMaxNesting)
                Parser.Fail("Expression too complex");
        }
        ~TDepthGuard() { --Parser.Depth; }
        TParser& Parser;
    };

    QString Identifier() {
        if (!IsTok(TTok::Ident) || Cur().Kw != TKw::None)
            Fail("Expected identifier");
        return Take().Text;
    }

    template <class N> N* Track(N* name) {
        if (Proc)
            ProcNames.push_back(name);
        return name;
    }

    std::unique_ptr<TNameExpr> NewName(const TToken& tok) {
        auto n = Make<TNameExpr>(tok.Line);
        n->Name = tok.Text;
        n->Lower = tok.Lower;
        Track(n.get());
        return n;
    }

    // ---- declarations

    void DeclareLocal(const QString& lower, int line) {
        if (Locals.contains(lower))
            throw EVbsCompileError("Name redefined", line);
        Locals.insert(lower, Proc->SlotCount++);
    }

    void DeclareGlobal(const QString& lower, int line) {
        if (GlobalDeclared.contains(lower))
            throw EVbsCompileError("Name redefined", line);
        GlobalDeclared.insert(lower);
        M->GlobalNames.push_back(lower);
    }

    void Declare(const QString& lower, int line) {
        if (Proc)
            DeclareLocal(lower, line);
        else
            DeclareGlobal(lower, line);
    }

    void AddInit(std::unique_ptr<TInitStmt> init) {
        if (Proc)
            Proc->Inits.push_back(std::move(init));
        else
            M->Inits.push_back(std::move(init));
    }

    // Dim/Public/Private name[(bounds)], ...
    void ParseDim() {
        do {
            const TToken& tok = Cur();
            Identifier();
            Declare(tok.Lower, tok.Line);
            if (IsTok(TTok::LParen)) {
                Take();
                auto init = Make<TInitStmt>(tok.Line);
                init->IsArray = true;
                if (!IsTok(TTok::RParen)) {
                    while (true) {
                        if (!IsTok(TTok::Integer))
                            Fail("Expected integer constant");
                        init->Bounds.push_back(int32_t(Take().Int));
                        if (!IsTok(TTok::Comma))
                            break;
                        Take();
                    }
                }
                Expect(TTok::RParen, ")");
                init->Var = NewName(tok);
                AddInit(std::move(init));
            }
            if (!IsTok(TTok::Comma))
                break;
            Take();
        } while (true);
    }

    void ParseConst() {
        do {
            const TToken& tok = Cur();
            Identifier();
            Declare(tok.Lower, tok.Line);
            (Proc ? LocalConsts : GlobalConsts).insert(tok.Lower);
            if (!IsTok(TTok::Eq))
                Fail(Quoted("="));
            Take();
            auto init = Make<TInitStmt>(tok.Line);
            init->Var = NewName(tok);
            init->Value = ParseExpr();
            AddInit(std::move(init));
            if (!IsTok(TTok::Comma))
                break;
            Take();
        } while (true);
    }

    void ParseProc(bool isFunction) {
        // Procedures stand only at the top level, outside every block.
        if (Proc || Depth > 1)
            Fail("Syntax error");
        const int line = Cur().Line;
        const TToken& nameTok = Cur();
        Identifier();
        if (GlobalDeclared.contains(nameTok.Lower))
            throw EVbsCompileError("Name redefined", nameTok.Line);
        GlobalDeclared.insert(nameTok.Lower);

        auto proc = std::make_unique<TProc>();
        proc->Name = nameTok.Text;
        proc->Lower = nameTok.Lower;
        proc->IsFunction = isFunction;
        proc->Line = line;
        proc->Module = M.get();
        Proc = proc.get();
        Locals.clear();
        LocalConsts.clear();
        ProcNames.clear();
        // Slot 0 is the function's value.
        if (isFunction)
            Locals.insert(proc->Lower, 0);

        if (IsTok(TTok::LParen)) {
            Take();
            if (!IsTok(TTok::RParen)) {
                while (true) {
                    TParam param;
                    if (IsKw(TKw::ByVal)) {
                        Take();
                        param.ByVal = true;
                    } else if (IsKw(TKw::ByRef))
                        Take();
                    const TToken& p = Cur();
                    param.Name = Identifier();
                    param.Lower = p.Lower;
                    if (IsTok(TTok::LParen)) {
                        Take();
                        Expect(TTok::RParen, ")");
                    }
                    if (param.Lower == proc->Lower)
                        throw EVbsCompileError("Name redefined", p.Line);
                    DeclareLocal(param.Lower, p.Line);
                    proc->Params.push_back(std::move(param));
                    if (!IsTok(TTok::Comma))
                        break;
                    Take();
                }
            }
            Expect(TTok::RParen, ")");
        }
        if (!AtStatementEnd())
            Fail("Expected end of statement");
        proc->Body = ParseBlock(TEnd::Proc);
        // End Function / End Sub
        if (!IsKw(TKw::End))
            Fail(Quoted("End"));
        Take();
        if (!IsKw(isFunction ? TKw::Function : TKw::Sub))
            Fail(Quoted(isFunction ? "Function" : "Sub"));
        Take();

        // Every name that is not declared gets a slot of its own, used when
        // it turns out to name no global, procedure or built-in.
        QHash<QString, int> implicit;
        for (TNameExpr* n : ProcNames) {
            const bool ownCall = n->Lower == proc->Lower && (n->HasParens || n->CallTarget || !isFunction);
            if (ownCall)
                continue;
            if (auto it = Locals.constFind(n->Lower); it != Locals.cend()) {
                n->LocalSlot = *it;
                n->LocalDeclared = true;
            } else {
                auto slot = implicit.constFind(n->Lower);
                if (slot == implicit.cend())
                    slot = implicit.insert(n->Lower, proc->SlotCount++);
                n->LocalSlot = *slot;
            }
        }
        Proc = nullptr;
        ProcNames.clear();
        M->Procs.push_back(std::move(proc));
    }

    // ---- blocks and statements

    bool AtBlockEnd(TEnd end) const {
        const TToken& t = Cur();
        if (t.Kind == TTok::End)
            return true;
        if (t.Kind != TTok::Ident)
            return false;
        switch (t.Kw) {
        case TKw::End:
            return end != TEnd::TopLevel;
        case TKw::Else:
        case TKw::ElseIf:
            return end == TEnd::If;
        case TKw::Case:
            return end == TEnd::Select;
        case TKw::Next:
            return end == TEnd::For;
        case TKw::Loop:
            return end == TEnd::Do;
        case TKw::Wend:
            return end == TEnd::While;
        default:
            return false;
        }
    }

    TBlock ParseBlock(TEnd end) {
        TDepthGuard guard(*this);
        TBlock block;
        while (true) {
            while (IsTok(TTok::NewLine) || IsTok(TTok::Colon))
                Take();
            if (AtBlockEnd(end))
                break;
            if (auto s = ParseStatement())
                block.push_back(std::move(s));
            if (!IsTok(TTok::NewLine) && !IsTok(TTok::Colon) && !IsTok(TTok::End))
                Fail("Expected end of statement");
        }
        if (IsTok(TTok::End)) {
            switch (end) {
            case TEnd::TopLevel:
                break;
            case TEnd::For:
                Fail(Quoted("Next"));
            case TEnd::Do:
                Fail(Quoted("Loop"));
            case TEnd::While:
                Fail(Quoted("Wend"));
            default:
                Fail(Quoted("End"));
            }
        }
        return block;
    }

    TStmtPtr ParseStatement() {
        const TToken& t = Cur();
        if (t.Kind != TTok::Ident)
            Fail("Expected statement");
        switch (t.Kw) {
        case TKw::None:
            if (t.Lower == u"erase" && Peek().Kind == TTok::Ident)
                return ParseErase();
            return ParseAssignOrCall(false);
        case TKw::Dim:
            Take();
            ParseDim();
            return nullptr;
        case TKw::Public:
        case TKw::Private:
            Take();
            if (Proc)
                Fail("Syntax error");
            if (IsKw(TKw::Function) || IsKw(TKw::Sub))
                return ParseStatement();
            if (IsKw(TKw::Const)) {
                Take();
                ParseConst();
            } else {
                ParseDim();
            }
            return nullptr;
        case TKw::Const:
            Take();
            ParseConst();
            return nullptr;
        case TKw::ReDim:
            return ParseReDim();
        case TKw::If:
            return ParseIf();
        case TKw::Select:
            return ParseSelect();
        case TKw::For:
            return ParseFor();
        case TKw::Do:
            return ParseDo();
        case TKw::While:
            return ParseWhile();
        case TKw::Exit:
            return ParseExit();
        case TKw::Call: {
            Take();
            auto s = Make<TCallStmt>(t.Line);
            s->Target = ParseChain(false);
            MarkCallTarget(*s->Target);
            return s;
        }
        case TKw::Set: {
            Take();
            return ParseAssignOrCall(true);
        }
        case TKw::On:
            return ParseOnError();
        case TKw::Option: {
            Take();
            if (!IsWord("explicit"))
                Fail(Quoted("Explicit"));
            Take();
            M->Explicit = true;
            return nullptr;
        }
        case TKw::Function:
        case TKw::Sub: {
            const bool isFunction = t.Kw == TKw::Function;
            Take();
            ParseProc(isFunction);
            return nullptr;
        }
        case TKw::Stop:
            Take();
            return nullptr;
        default:
            Fail(t.Kw == TKw::Class || t.Kw == TKw::With || t.Kw == TKw::Property
                     ? QString("Syntax error")
                     : QString("Expected statement"));
        }
    }

    static void MarkCallTarget(TExpr& e) {
        if (e.Kind == TExprKind::Name)
            static_cast<TNameExpr&>(e).CallTarget = true;
    }

    TStmtPtr ParseAssignOrCall(bool isSet) {
        const size_t start = P;
        const size_t namesMark = ProcNames.size();
        const int line = Cur().Line;
        if (!IsTok(TTok::Ident) || Cur().Kw != TKw::None)
            Fail(isSet ? "Expected identifier" : "Expected statement");
        TExprPtr target = ParseChain(false);
        if (IsTok(TTok::Eq)) {
            Take();
            CheckAssignable(*target, line);
            auto s = Make<TAssignStmt>(line);
            s->IsSet = isSet;
            s->Target = std::move(target);
            s->Value = ParseExpr();
            return s;
        }
        if (isSet)
            Fail(Quoted("="));
        auto s = Make<TCallStmt>(line);
        if (AtStatementEnd()) {
            // name(x) as a statement: the parentheses belong to the argument,
            // which is then passed by value.
            if (target->Kind == TExprKind::Name) {
                auto& n = static_cast<TNameExpr&>(*target);
                if (n.HasParens && n.Args.size() == 1)
                    WrapParen(n.Args[0]);
            } else if (target->Kind == TExprKind::Member) {
                auto& m = static_cast<TMemberExpr&>(*target);
                if (m.HasParens && m.Args.size() == 1)
                    WrapParen(m.Args[0]);
            }
            MarkCallTarget(*target);
            s->Target = std::move(target);
            return s;
        }
        // A call without parentheses: name arg, arg...
        // The first tree dies: forget its name nodes before parsing again.
        ProcNames.resize(namesMark);
        P = start;
        target = ParseChain(true);
        auto* args = ArgsOf(*target);
        if (!args)
            Fail("Expected end of statement");
        while (true) {
            args->push_back(ParseExpr());
            if (!IsTok(TTok::Comma))
                break;
            Take();
        }
        MarkCallTarget(*target);
        s->Target = std::move(target);
        return s;
    }

    static void WrapParen(TExprPtr& arg) {
        if (arg->Kind == TExprKind::Paren)
            return;
        auto p = Make<TParenExpr>(arg->Line);
        p->Height = arg->Height + 1;
        p->Inner = std::move(arg);
        arg = std::move(p);
    }

    static std::vector<TExprPtr>* ArgsOf(TExpr& e) {
        if (e.Kind == TExprKind::Name) {
            auto& n = static_cast<TNameExpr&>(e);
            return n.HasParens ? nullptr : &n.Args;
        }
        if (e.Kind == TExprKind::Member) {
            auto& m = static_cast<TMemberExpr&>(e);
            return m.HasParens ? nullptr : &m.Args;
        }
        return nullptr;
    }

    void CheckAssignable(const TExpr& target, int line) const {
        if (target.Kind == TExprKind::Member)
            return;
        if (target.Kind != TExprKind::Name)
            throw EVbsCompileError("Expected statement", line);
        const auto& n = static_cast<const TNameExpr&>(target);
        if (n.HasParens)
            return;
        const bool isConst = Proc ? (LocalConsts.contains(n.Lower) ||
                                     (!Locals.contains(n.Lower) && GlobalConsts.contains(n.Lower)))
                                  : GlobalConsts.contains(n.Lower);
        if (isConst)
            throw EVbsCompileError(QStringLiteral("Illegal assignment: '%1'").arg(n.Name), line);
    }

    TStmtPtr ParseErase() {
        auto s = Make<TEraseStmt>(Take().Line);
        const TToken& tok = Cur();
        Identifier();
        s->Var = NewName(tok);
        return s;
    }

    TStmtPtr ParseReDim() {
        auto s = Make<TReDimStmt>(Take().Line);
        if (IsWord("preserve")) {
            Take();
            s->Preserve = true;
        }
        do {
            const TToken& tok = Cur();
            Identifier();
            TReDimStmt::TItem item;
            item.Var = NewName(tok);
            item.Var->Declares = true;
            if (!Proc && !GlobalDeclared.contains(tok.Lower))
                DeclareGlobal(tok.Lower, tok.Line);
            Expect(TTok::LParen, "(");
            while (true) {
                item.Bounds.push_back(ParseExpr());
                if (!IsTok(TTok::Comma))
                    break;
                Take();
            }
            Expect(TTok::RParen, ")");
            s->Items.push_back(std::move(item));
            if (!IsTok(TTok::Comma))
                break;
            Take();
        } while (true);
        return s;
    }

    TStmtPtr ParseOnError() {
        auto s = Make<TOnErrorStmt>(Take().Line);
        if (!IsWord("error"))
            Fail("Syntax error");
        Take();
        if (IsWord("resume")) {
            Take();
            if (!IsKw(TKw::Next))
                Fail(Quoted("Next"));
            Take();
            s->ResumeNext = true;
        } else if (IsWord("goto")) {
            Take();
            if (!IsTok(TTok::Integer) || Cur().Int != 0)
                Fail("Syntax error");
            Take();
        } else {
            Fail("Syntax error");
        }
        return s;
    }

    TStmtPtr ParseExit() {
        const int line = Take().Line;
        auto s = Make<TExitStmt>(line);
        bool valid = false;
        if (IsKw(TKw::Do)) {
            s->What = TExitKind::Do;
            valid = DoDepth > 0;
        } else if (IsKw(TKw::For)) {
            s->What = TExitKind::For;
            valid = ForDepth > 0;
        } else if (IsKw(TKw::Function)) {
            s->What = TExitKind::Function;
            valid = Proc && Proc->IsFunction;
        } else if (IsKw(TKw::Sub)) {
            s->What = TExitKind::Sub;
            valid = Proc && !Proc->IsFunction;
        } else
            Fail("Syntax error");
        if (!valid)
            Fail("Invalid 'exit' statement");
        Take();
        return s;
    }

    TStmtPtr ParseIf() {
        TDepthGuard guard(*this);
        auto s = Make<TIfStmt>(Take().Line);
        s->Conditions.push_back(ParseExpr());
        ExpectKw(TKw::Then, "Then");
        if (!IsTok(TTok::NewLine) && !IsTok(TTok::End)) {
            // Single-line form: If c Then a : b [Else c : d]
            s->Blocks.push_back(ParseLine());
            if (IsKw(TKw::Else)) {
                Take();
                s->Else = ParseLine();
            }
            return s;
        }
        s->Blocks.push_back(ParseBlock(TEnd::If));
        while (IsKw(TKw::ElseIf)) {
            Take();
            s->Conditions.push_back(ParseExpr());
            ExpectKw(TKw::Then, "Then");
            s->Blocks.push_back(ParseBlock(TEnd::If));
        }
        if (IsKw(TKw::Else)) {
            Take();
            s->Else = ParseBlock(TEnd::If);
            if (IsKw(TKw::Else) || IsKw(TKw::ElseIf))
                Fail(Quoted("End"));
        }
        ExpectKw(TKw::End, "End");
        ExpectKw(TKw::If, "If");
        return s;
    }

    // The statements of a single-line If branch, up to Else or the line end.
    TBlock ParseLine() {
        TBlock block;
        while (true) {
            if (IsTok(TTok::Colon)) {
                Take();
                continue;
            }
            if (IsTok(TTok::NewLine) || IsTok(TTok::End) || IsKw(TKw::Else))
                break;
            if (auto st = ParseStatement())
                block.push_back(std::move(st));
            if (!IsTok(TTok::Colon) && !IsTok(TTok::NewLine) && !IsTok(TTok::End) && !IsKw(TKw::Else))
                Fail("Expected end of statement");
        }
        return block;
    }

    TStmtPtr ParseSelect() {
        TDepthGuard guard(*this);
        auto s = Make<TSelectStmt>(Take().Line);
        ExpectKw(TKw::Case, "Case");
        s->Subject = ParseExpr();
        if (!AtStatementEnd())
            Fail("Expected end of statement");
        while (IsTok(TTok::NewLine) || IsTok(TTok::Colon))
            Take();
        while (IsKw(TKw::Case)) {
            if (s->HasElse)
                Fail(Quoted("End"));
            Take();
            if (IsKw(TKw::Else)) {
                Take();
                s->HasElse = true;
                s->Else = ParseBlock(TEnd::Select);
                continue;
            }
            TCaseBlock c;
            while (true) {
                TCaseClause clause;
                if (IsKw(TKw::Is)) {
                    Take();
                    clause.Kind = TCaseClause::Is;
                    switch (Cur().Kind) {
                    case TTok::Eq:
                        clause.Op = TCompareOp::Eq;
                        break;
                    case TTok::Ne:
                        clause.Op = TCompareOp::Ne;
                        break;
                    case TTok::Lt:
                        clause.Op = TCompareOp::Lt;
                        break;
                    case TTok::Le:
                        clause.Op = TCompareOp::Le;
                        break;
                    case TTok::Gt:
                        clause.Op = TCompareOp::Gt;
                        break;
                    case TTok::Ge:
                        clause.Op = TCompareOp::Ge;
                        break;
                    default:
                        Fail("Syntax error");
                    }
                    Take();
                    clause.A = ParseConcat();
                } else {
                    clause.A = ParseExpr();
                    if (IsWord("to")) {
                        Take();
                        clause.Kind = TCaseClause::Range;
                        clause.B = ParseExpr();
                    }
                }
                c.Clauses.push_back(std::move(clause));
                if (!IsTok(TTok::Comma))
                    break;
                Take();
            }
            c.Body = ParseBlock(TEnd::Select);
            s->Cases.push_back(std::move(c));
        }
        ExpectKw(TKw::End, "End");
        ExpectKw(TKw::Select, "Select");
        return s;
    }

    std::unique_ptr<TNameExpr> LoopVariable() {
        const TToken& tok = Cur();
        Identifier();
        return NewName(tok);
    }

    TStmtPtr ParseFor() {
        TDepthGuard guard(*this);
        const int line = Take().Line;
        TStmtPtr result;
        TBlock* body;
        if (IsKw(TKw::Each)) {
            Take();
            auto s = Make<TForEachStmt>(line);
            s->Var = LoopVariable();
            if (!IsWord("in"))
                Fail(Quoted("In"));
            Take();
            s->Group = ParseExpr();
            body = &s->Body;
            result = std::move(s);
        } else {
            auto s = Make<TForStmt>(line);
            s->Var = LoopVariable();
            if (!IsTok(TTok::Eq))
                Fail(Quoted("="));
            Take();
            s->From = ParseExpr();
            if (!IsWord("to"))
                Fail(Quoted("To"));
            Take();
            s->To = ParseExpr();
            if (IsWord("step")) {
                Take();
                s->Step = ParseExpr();
            }
            body = &s->Body;
            result = std::move(s);
        }
        if (!AtStatementEnd())
            Fail("Expected end of statement");
        ++ForDepth;
        *body = ParseBlock(TEnd::For);
        --ForDepth;
        ExpectKw(TKw::Next, "Next");
        // "Next i" names the loop variable; it is not checked.
        if (IsTok(TTok::Ident) && Cur().Kw == TKw::None)
            Take();
        return result;
    }

    TStmtPtr ParseDo() {
        TDepthGuard guard(*this);
        auto s = Make<TDoStmt>(Take().Line);
        if (IsKw(TKw::While) || IsKw(TKw::Until)) {
            s->Test = IsKw(TKw::While) ? TDoStmt::PreWhile : TDoStmt::PreUntil;
            Take();
            s->Condition = ParseExpr();
        }
        if (!AtStatementEnd())
            Fail("Expected end of statement");
        ++DoDepth;
        s->Body = ParseBlock(TEnd::Do);
        --DoDepth;
        ExpectKw(TKw::Loop, "Loop");
        if (IsKw(TKw::While) || IsKw(TKw::Until)) {
            if (s->Test != TDoStmt::None)
                Fail("Expected end of statement");
            s->Test = IsKw(TKw::While) ? TDoStmt::PostWhile : TDoStmt::PostUntil;
            Take();
            s->Condition = ParseExpr();
        }
        return s;
    }

    TStmtPtr ParseWhile() {
        TDepthGuard guard(*this);
        auto s = Make<TDoStmt>(Take().Line);
        s->Test = TDoStmt::PreWhile;
        s->Condition = ParseExpr();
        if (!AtStatementEnd())
            Fail("Expected end of statement");
        s->Body = ParseBlock(TEnd::While);
        ExpectKw(TKw::Wend, "Wend");
        return s;
    }

    // ---- expressions

    static int HeightOf(const TExprPtr& a, const TExprPtr& b = nullptr) {
        return 1 + std::max(a ? a->Height : 0, b ? b->Height : 0);
    }

    TExprPtr Binary(TBinOp op, TExprPtr left, TExprPtr right, int line) {
        auto e = Make<TBinaryExpr>(line);
        e->Height = HeightOf(left, right);
        if (e->Height > kMaxExprHeight)
            throw EVbsCompileError("Expression too complex", line);
        e->Op = op;
        e->Left = std::move(left);
        e->Right = std::move(right);
        return e;
    }

    TExprPtr ParseExpr() {
        TDepthGuard guard(*this);
        return ParseImp();
    }

    TExprPtr ParseImp() {
        auto left = ParseEqv();
        while (IsKw(TKw::Imp)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Imp, std::move(left), ParseEqv(), line);
        }
        return left;
    }
    TExprPtr ParseEqv() {
        auto left = ParseXor();
        while (IsKw(TKw::Eqv)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Eqv, std::move(left), ParseXor(), line);
        }
        return left;
    }
    TExprPtr ParseXor() {
        auto left = ParseOr();
        while (IsKw(TKw::Xor)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Xor, std::move(left), ParseOr(), line);
        }
        return left;
    }
    TExprPtr ParseOr() {
        auto left = ParseAnd();
        while (IsKw(TKw::Or)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Or, std::move(left), ParseAnd(), line);
        }
        return left;
    }
    TExprPtr ParseAnd() {
        auto left = ParseNot();
        while (IsKw(TKw::And)) {
            const int line = Take().Line;
            left = Binary(TBinOp::And, std::move(left), ParseNot(), line);
        }
        return left;
    }
    TExprPtr ParseNot() {
        if (IsKw(TKw::Not)) {
            TDepthGuard guard(*this);
            auto e = Make<TUnaryExpr>(Take().Line);
            e->Op = TUnOp::Not;
            e->Operand = ParseNot();
            e->Height = HeightOf(e->Operand);
            return e;
        }
        return ParseCompare();
    }
    TExprPtr ParseCompare() {
        auto left = ParseConcat();
        while (true) {
            TCompareOp op;
            switch (Cur().Kind) {
            case TTok::Eq:
                op = TCompareOp::Eq;
                break;
            case TTok::Ne:
                op = TCompareOp::Ne;
                break;
            case TTok::Lt:
                op = TCompareOp::Lt;
                break;
            case TTok::Le:
                op = TCompareOp::Le;
                break;
            case TTok::Gt:
                op = TCompareOp::Gt;
                break;
            case TTok::Ge:
                op = TCompareOp::Ge;
                break;
            default:
                if (IsKw(TKw::Is)) {
                    const int line = Take().Line;
                    auto e = Make<TIsExpr>(line);
                    e->Right = ParseConcat();
                    e->Height = HeightOf(left, e->Right);
                    if (e->Height > kMaxExprHeight)
                        Fail("Expression too complex");
                    e->Left = std::move(left);
                    left = std::move(e);
                    continue;
                }
                return left;
            }
            const int line = Take().Line;
            auto e = Make<TCompareExpr>(line);
            e->Op = op;
            e->Right = ParseConcat();
            e->Height = HeightOf(left, e->Right);
            if (e->Height > kMaxExprHeight)
                Fail("Expression too complex");
            e->Left = std::move(left);
            left = std::move(e);
        }
    }
    TExprPtr ParseConcat() {
        auto left = ParseAdd();
        while (IsTok(TTok::Amp)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Concat, std::move(left), ParseAdd(), line);
        }
        return left;
    }
    TExprPtr ParseAdd() {
        auto left = ParseMod();
        while (IsTok(TTok::Plus) || IsTok(TTok::Minus)) {
            const TBinOp op = IsTok(TTok::Plus) ? TBinOp::Add : TBinOp::Sub;
            const int line = Take().Line;
            left = Binary(op, std::move(left), ParseMod(), line);
        }
        return left;
    }
    TExprPtr ParseMod() {
        auto left = ParseIntDiv();
        while (IsKw(TKw::Mod)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Mod, std::move(left), ParseIntDiv(), line);
        }
        return left;
    }
    TExprPtr ParseIntDiv() {
        auto left = ParseMul();
        while (IsTok(TTok::Backslash)) {
            const int line = Take().Line;
            left = Binary(TBinOp::IntDiv, std::move(left), ParseMul(), line);
        }
        return left;
    }
    TExprPtr ParseMul() {
        auto left = ParseUnary();
        while (IsTok(TTok::Star) || IsTok(TTok::Slash)) {
            const TBinOp op = IsTok(TTok::Star) ? TBinOp::Mul : TBinOp::Div;
            const int line = Take().Line;
            left = Binary(op, std::move(left), ParseUnary(), line);
        }
        return left;
    }
    // Negation binds looser than ^: -2 ^ 2 is -4.
    TExprPtr ParseUnary() {
        if (IsTok(TTok::Minus) || IsTok(TTok::Plus)) {
            TDepthGuard guard(*this);
            auto e = Make<TUnaryExpr>(Cur().Line);
            e->Op = IsTok(TTok::Minus) ? TUnOp::Neg : TUnOp::Plus;
            Take();
            e->Operand = ParseUnary();
            e->Height = HeightOf(e->Operand);
            return e;
        }
        return ParsePow();
    }
    TExprPtr ParsePow() {
        auto left = ParsePrimary();
        while (IsTok(TTok::Caret)) {
            const int line = Take().Line;
            left = Binary(TBinOp::Pow, std::move(left), ParsePowOperand(), line);
        }
        return left;
    }
    // The exponent may carry its own sign: 2 ^ -1.
    TExprPtr ParsePowOperand() {
        if (IsTok(TTok::Minus) || IsTok(TTok::Plus)) {
            TDepthGuard guard(*this);
            auto e = Make<TUnaryExpr>(Cur().Line);
            e->Op = IsTok(TTok::Minus) ? TUnOp::Neg : TUnOp::Plus;
            Take();
            e->Operand = ParsePowOperand();
            e->Height = HeightOf(e->Operand);
            return e;
        }
        return ParsePrimary();
    }

    TExprPtr Literal(TLitKind kind) {
        auto e = Make<TLiteralExpr>(Take().Line);
        e->Lit = kind;
        return e;
    }

    TExprPtr ParsePrimary() {
        const TToken& t = Cur();
        switch (t.Kind) {
        case TTok::Integer: {
            auto e = Make<TLiteralExpr>(t.Line);
            e->Lit = t.Long ? TLitKind::Long : TLitKind::Integer;
            e->Int = t.Int;
            Take();
            return e;
        }
        case TTok::Real:
        case TTok::Date: {
            auto e = Make<TLiteralExpr>(t.Line);
            e->Lit = t.Kind == TTok::Real ? TLitKind::Double : TLitKind::Date;
            e->Real = t.Real;
            Take();
            return e;
        }
        case TTok::String: {
            auto e = Make<TLiteralExpr>(t.Line);
            e->Lit = TLitKind::String;
            e->Str = t.Text;
            Take();
            return e;
        }
        case TTok::LParen: {
            TDepthGuard guard(*this);
            auto e = Make<TParenExpr>(Take().Line);
            e->Inner = ParseExpr();
            e->Height = HeightOf(e->Inner);
            Expect(TTok::RParen, ")");
            return e;
        }
        case TTok::Ident:
            switch (t.Kw) {
            case TKw::None:
                return ParseChain(false);
            case TKw::True: {
                auto e = Literal(TLitKind::Bool);
                static_cast<TLiteralExpr&>(*e).Int = 1;
                return e;
            }
            case TKw::False:
                return Literal(TLitKind::Bool);
            case TKw::Empty:
                return Literal(TLitKind::Empty);
            case TKw::Null:
                return Literal(TLitKind::Null);
            case TKw::Nothing:
                return Literal(TLitKind::Nothing);
            case TKw::Not:
                return ParseNot();
            case TKw::New: {
                auto e = Make<TNewExpr>(Take().Line);
                e->ClassName = Identifier();
                return e;
            }
            default:
                break;
            }
            break;
        default:
            break;
        }
        Fail("Expected expression");
    }

    void ParseArgs(std::vector<TExprPtr>& args, int& height) {
        TDepthGuard guard(*this);
        Take(); // (
        if (!IsTok(TTok::RParen)) {
            while (true) {
                args.push_back(ParseExpr());
                height = std::max(height, args.back()->Height + 1);
                if (!IsTok(TTok::Comma))
                    break;
                Take();
            }
        }
        Expect(TTok::RParen, ")");
    }

    // Whether the parenthesised group at the cursor is followed by a dot.
    bool ParensThenDot() const {
        int level = 0;
        for (size_t i = P; i < T.size(); ++i) {
            if (T[i].Kind == TTok::LParen)
                ++level;
            else if (T[i].Kind == TTok::RParen && --level == 0)
                return i + 1 < T.size() && T[i + 1].Kind == TTok::Dot;
            else if (T[i].Kind == TTok::NewLine || T[i].Kind == TTok::End)
                return false;
        }
        return false;
    }

    // name[(args)] { .member[(args)] }. With bareCall, a last group of
    // parentheses is left for the argument list of a call without them.
    TExprPtr ParseChain(bool bareCall) {
        const TToken& tok = Cur();
        if (!IsTok(TTok::Ident) || tok.Kw != TKw::None)
            Fail("Expected identifier");
        auto name = NewName(tok);
        Take();
        if (IsTok(TTok::LParen) && (!bareCall || ParensThenDot())) {
            name->HasParens = true;
            ParseArgs(name->Args, name->Height);
        }
        TExprPtr e = std::move(name);
        while (IsTok(TTok::Dot)) {
            Take();
            if (!IsTok(TTok::Ident))
                Fail("Expected identifier");
            auto m = Make<TMemberExpr>(Cur().Line);
            m->Name = Cur().Text;
            m->Lower = Cur().Lower;
            Take();
            m->Height = e->Height + 1;
            if (IsTok(TTok::LParen) && (!bareCall || ParensThenDot())) {
                m->HasParens = true;
                ParseArgs(m->Args, m->Height);
            }
            m->Object = std::move(e);
            e = std::move(m);
        }
        if (e->Height > kMaxExprHeight)
            Fail("Expression too complex");
        return e;
    }
};

} // namespace

std::unique_ptr<TModule> Parse(const QString& source) {
    return TParser(source).Run(source);
}

} // namespace zp::vbs
