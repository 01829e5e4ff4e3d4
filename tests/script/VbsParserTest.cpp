// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Parser.h"

#include <gtest/gtest.h>

namespace zp::vbs {
namespace {

// ---- tokens

TEST(VbsLexer, NumbersTakeTheNarrowestKind) {
    const auto t = Tokenize("1 32767 32768 2147483648 1.5 .5 1e3 &HFF &HFFFF &H10000 &HFFFFFFFF &O17");
    ASSERT_EQ(t.size(), 13u);
    EXPECT_EQ(t[0].Kind, TTok::Integer);
    EXPECT_FALSE(t[1].Long);
    EXPECT_TRUE(t[2].Long);
    EXPECT_EQ(t[3].Kind, TTok::Real); // beyond a Long
    EXPECT_DOUBLE_EQ(t[4].Real, 1.5);
    EXPECT_DOUBLE_EQ(t[5].Real, 0.5);
    EXPECT_DOUBLE_EQ(t[6].Real, 1000);
    EXPECT_EQ(t[7].Int, 255);
    EXPECT_EQ(t[8].Int, -1); // &HFFFF is the Integer -1
    EXPECT_FALSE(t[8].Long);
    EXPECT_EQ(t[9].Int, 65536);
    EXPECT_EQ(t[10].Int, -1);
    EXPECT_TRUE(t[10].Long);
    EXPECT_EQ(t[11].Int, 15);
}

TEST(VbsLexer, StringsCommentsContinuationsAndCase) {
    const auto t = Tokenize("x = \"a\"\"b\" ' note\r\nREM whole line\ny = 1 + _\n  2 : Rem after colon\nIF");
    // x = "a""b" NL y = 1 + 2 : NL IF End
    ASSERT_EQ(t.size(), 13u);
    EXPECT_EQ(t[2].Text, "a\"b");
    EXPECT_EQ(t[3].Kind, TTok::NewLine);
    EXPECT_EQ(t[4].Line, 3);
    EXPECT_EQ(t[8].Line, 4); // the continued line
    EXPECT_EQ(t[9].Kind, TTok::Colon);
    EXPECT_EQ(t[11].Kw, TKw::If);
    EXPECT_EQ(Tokenize("&hour")[1].Lower, "hour"); // a concatenation, not a number
}

TEST(VbsLexer, DateLiteralsReadMonthFirst) {
    struct {
        const char* Text;
        double Serial;
    } const cases[] = {
        {"1/2/2000", 36527}, // 2 January 2000
        {"12/31/1899", 1},          {"12/30/1899 6:00 PM", 0.75},
        {"12/29/1899 6:00", -1.25}, // before the epoch the time counts forward
        {"2000-01-02", 36527},      {"13:30", 13.5 / 24},
    };
    for (const auto& c : cases) {
        double serial = -99;
        EXPECT_TRUE(ParseDateLiteral(c.Text, serial)) << c.Text;
        EXPECT_NEAR(serial, c.Serial, 1e-9) << c.Text;
    }
    double serial;
    for (const char* bad : {"2/30/2000", "1/2", "25:00", "x", ""})
        EXPECT_FALSE(ParseDateLiteral(bad, serial)) << bad;
}

// ---- compile errors: the language's wording and the line

struct TErrorCase {
    const char* Name;
    const char* Source;
    const char* Description;
    int Line;
};

const TErrorCase kErrorCases[] = {
    {"MissingEndFunction", "Function f(a)\n  f = a\n", "Expected 'End'", 3},
    {"MissingEndIf", "If x Then\n  y = 1\n", "Expected 'End'", 3},
    {"MissingThen", "x = 1\nIf x = 1\n  y = 2\nEnd If", "Expected 'Then'", 2},
    {"MissingParen", "x = (1 + 2\n", "Expected ')'", 1},
    {"TrailingTokens", "x = 1 2", "Expected end of statement", 1},
    {"StrayEndIf", "x = 1\nEnd If", "Expected statement", 2},
    {"Unterminated", "x = 1\ny = \"abc\nz = 2", "Unterminated string constant", 2},
    {"DimTwice", "Dim a\nDim b, a", "Name redefined", 2},
    {"FunctionTwice", "Function f\nEnd Function\nSub F\nEnd Sub", "Name redefined", 3},
    {"ParamTwice", "Function f(a, A)\nEnd Function", "Name redefined", 1},
    {"DimNoName", "Dim 5", "Expected identifier", 1},
    {"MissingNext", "For i = 1 To 3\n  x = i\n", "Expected 'Next'", 3},
    {"MissingLoop", "Do\n  x = 1\n", "Expected 'Loop'", 3},
    {"MissingWend", "While x\n", "Expected 'Wend'", 2},
    {"WrongEnd", "Function f\nEnd Sub", "Expected 'Function'", 2},
    {"ExitOutsideLoop", "Sub s\n  Exit For\nEnd Sub", "Invalid 'exit' statement", 2},
    {"ExitFunctionInSub", "Sub s\n  Exit Function\nEnd Sub", "Invalid 'exit' statement", 2},
    {"MissingExpression", "x = 1 +\n", "Expected expression", 1},
    {"BadCharacter", "x = 1 $ 2", "Invalid character", 1},
    {"NestedFunction", "Function f\nFunction g\nEnd Function\nEnd Function", "Syntax error", 2},
    {"FunctionInIf", "If x Then\nSub s\nEnd Sub\nEnd If", "Syntax error", 2},
    {"AssignToConst", "Const c = 1\nc = 2", "Illegal assignment: 'c'", 2},
    {"BadDate", "x = #2/30/2000#", "Syntax error", 1},
    {"HexTooWide", "x = &H100000000", "Invalid number", 1},
    {"CaseAfterElse", "Select Case x\nCase Else\nCase 1\nEnd Select", "Expected 'End'", 3},
    {"OnErrorGoToLabel", "On Error GoTo there", "Syntax error", 1},
    {"DimBoundNotConstant", "Dim a(n)", "Expected integer constant", 1},
};

class VbsCompileError : public testing::TestWithParam<TErrorCase> {};

TEST_P(VbsCompileError, NamesTheFaultAndLine) {
    const TErrorCase& c = GetParam();
    try {
        (void)Parse(QString::fromUtf8(c.Source));
        FAIL() << "compiled";
    } catch (const EVbsCompileError& e) {
        EXPECT_EQ(e.Description(), QString::fromUtf8(c.Description));
        EXPECT_EQ(e.Line(), c.Line);
    }
}

INSTANTIATE_TEST_SUITE_P(Vbs, VbsCompileError, testing::ValuesIn(kErrorCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- what compiles, and to what

TEST(VbsParser, AcceptsTheStatementForms) {
    const char* source = R"(Option Explicit
Dim a, b(3), c()
Const k = 10, s = "x"
Private Function F(ByVal x, ByRef y, z)
  If x Then y = 1 : z = 2 Else y = 3
  If x Then
    F = 1
  ElseIf y Then
    F = 2
  Else
    F = 3
  End If
  Select Case x
    Case 1, 2 : F = 1
    Case 3 To 5, Is > 9
      F = 2
    Case Else
      F = 3
  End Select
  For i = 1 To 10 Step 2 : Next
  For Each e In b
    If e Then Exit For
  Next
  Do While x : Exit Do : Loop
  Do : Loop Until x
  Do Until x : Loop
  Do : Loop While x
  While x : Wend
  ReDim Preserve c(5, 2)
  On Error Resume Next
  On Error GoTo 0
  Err.Raise 5, "src", "text"
  Call G(1, 2)
  G 1, (2)
  G (1), 2
  Set q = Nothing
  If q Is Nothing Then F = #1/2/2000# + &H10 - -2 ^ 2
  Exit Function
End Function
Sub G(a, b)
  Exit Sub
End Sub
)";
    const auto m = Parse(source);
    EXPECT_TRUE(m->Explicit);
    ASSERT_EQ(m->Procs.size(), 2u);
    EXPECT_EQ(m->Procs[0]->Params.size(), 3u);
    EXPECT_TRUE(m->Procs[0]->Params[0].ByVal);
    EXPECT_FALSE(m->Procs[0]->Params[1].ByVal);
    EXPECT_EQ(m->GlobalNames, (QStringList{"a", "b", "c", "k", "s"}));
    EXPECT_EQ(m->Inits.size(), 4u); // b(3), c(), k, s
    EXPECT_TRUE(m->Body.empty());
}

TEST(VbsParser, SingleLineIfKeepsBothBranches) {
    const auto m = Parse("If x Then a = 1 : b = 2 Else c = 3 : d = 4\ne = 5");
    ASSERT_EQ(m->Body.size(), 2u);
    const auto& s = static_cast<const TIfStmt&>(*m->Body[0]);
    EXPECT_EQ(s.Blocks[0].size(), 2u);
    EXPECT_EQ(s.Else.size(), 2u);
}

TEST(VbsParser, PrecedenceFollowsTheLanguage) {
    // a Or b And Not c = d & e + f * -g ^ h
    const auto m = Parse("x = a Or b And Not c = d & e + f * -g ^ h");
    const auto& assign = static_cast<const TAssignStmt&>(*m->Body[0]);
    const auto& orExpr = static_cast<const TBinaryExpr&>(*assign.Value);
    ASSERT_EQ(orExpr.Op, TBinOp::Or);
    const auto& andExpr = static_cast<const TBinaryExpr&>(*orExpr.Right);
    ASSERT_EQ(andExpr.Op, TBinOp::And);
    const auto& notExpr = static_cast<const TUnaryExpr&>(*andExpr.Right);
    ASSERT_EQ(notExpr.Op, TUnOp::Not);
    const auto& cmp = static_cast<const TCompareExpr&>(*notExpr.Operand);
    const auto& concat = static_cast<const TBinaryExpr&>(*cmp.Right);
    ASSERT_EQ(concat.Op, TBinOp::Concat);
    const auto& add = static_cast<const TBinaryExpr&>(*concat.Right);
    ASSERT_EQ(add.Op, TBinOp::Add);
    const auto& mul = static_cast<const TBinaryExpr&>(*add.Right);
    ASSERT_EQ(mul.Op, TBinOp::Mul);
    const auto& neg = static_cast<const TUnaryExpr&>(*mul.Right);
    ASSERT_EQ(neg.Op, TUnOp::Neg); // -(g ^ h)
    EXPECT_EQ(static_cast<const TBinaryExpr&>(*neg.Operand).Op, TBinOp::Pow);
}

TEST(VbsParser, CallStatementParenthesesMakeAValueArgument) {
    const auto m = Parse("G(x)\nCall G(x)\nG (x), y");
    const auto arg = [&](size_t i) -> const TExpr& {
        return *static_cast<const TNameExpr&>(*static_cast<const TCallStmt&>(*m->Body[i]).Target).Args[0];
    };
    EXPECT_EQ(arg(0).Kind, TExprKind::Paren); // by value
    EXPECT_EQ(arg(1).Kind, TExprKind::Name);  // by reference
    EXPECT_EQ(arg(2).Kind, TExprKind::Paren);
    EXPECT_EQ(static_cast<const TNameExpr&>(*static_cast<const TCallStmt&>(*m->Body[2]).Target).Args.size(),
              2u);
}

TEST(VbsParser, LocalsGetSlotsAndTheOwnNameIsTheValue) {
    const auto m = Parse("Function F(a)\n  Dim b\n  F = a + b + c + F(1)\nEnd Function");
    const TProc& f = *m->Procs[0];
    EXPECT_EQ(f.SlotCount, 4); // value, a, b, and c (undeclared)
}

TEST(VbsParser, HostileNestingEndsInAnError) {
    for (const QString& source :
         {QString(100000, '('), "x = " + QString(5000, '-') + "1", QString("If x Then\n").repeated(2000),
          "x = 1" + QString(" + 1").repeated(5000)}) {
        EXPECT_THROW((void)Parse(source), EVbsCompileError);
    }
}

} // namespace
} // namespace zp::vbs
