// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/VbsEngine.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using namespace std::chrono_literals;

struct TRunCase {
    const char* Name;
    const char* Script;
    const char* Argument; // the one string argument of F
    const char* Expected; // F's value as text
};

// Each script defines F(Data); its value is compared as text.
const TRunCase kStatementCases[] = {
    // procedures and values
    {"ReturnByName", "Function F(Data)\n  F = UCase(Data)\nEnd Function", "ab", "AB"},
    {"NoReturnIsEmpty", "Function F(Data)\nEnd Function", "x", ""},
    {"CaseInsensitiveNames", "FUNCTION f(dATA)\n  F = data & Data\nEND function", "a", "aa"},
    {"CallWithAndWithoutParens",
     "Function Twice(s)\n  Twice = s & s\nEnd Function\nSub Add(t, s)\n  t = t & s\nEnd Sub\n"
     "Function F(Data)\n  Dim t\n  Add t, Twice(Data)\n  Call Add(t, \"-\")\n  F = t & Twice(Data)\nEnd "
     "Function",
     "x", "xx-xx"},
    {"ByRefWritesBack",
     "Sub Bump(n)\n  n = n + 1\nEnd Sub\nFunction F(Data)\n  Dim i : i = 1\n  Bump i\n  F = i\nEnd Function",
     "", "2"},
    {"ByValKeepsCaller",
     "Sub Bump(ByVal n)\n  n = n + 1\nEnd Sub\nFunction F(Data)\n  Dim i : i = 1\n  Bump i\n  F = i\nEnd "
     "Function",
     "", "1"},
    {"ParenthesisedArgumentIsByValue",
     "Sub Bump(n)\n  n = n + 1\nEnd Sub\nFunction F(Data)\n  Dim i : i = 1\n  Bump (i)\n  F = i\nEnd "
     "Function",
     "", "1"},
    {"ByRefArrayElement",
     "Sub Bump(n)\n  n = n + 1\nEnd Sub\nFunction F(Data)\n  Dim a(2)\n  a(1) = 5\n  Bump a(1)\n  F = "
     "a(1)\nEnd Function",
     "", "6"},
    {"ByRefParameterOfCaller",
     "Sub Bump(n)\n  n = n & \"!\"\nEnd Sub\nFunction F(Data)\n  Bump Data\n  F = Data\nEnd Function", "a",
     "a!"},
    {"Recursion",
     "Function Fact(n)\n  If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)\nEnd Function\nFunction "
     "F(Data)\n  F = Fact(Data * 1)\nEnd Function",
     "10", "3628800"},
    {"ExitFunctionKeepsValue",
     "Function F(Data)\n  F = \"early\"\n  Exit Function\n  F = \"late\"\nEnd Function", "", "early"},
    {"GlobalsKeepValues", "Dim n\nn = 41\nFunction F(Data)\n  n = n + 1\n  F = n\nEnd Function", "", "42"},
    {"UndeclaredInProcedureIsLocal",
     "Function G()\n  t = 5\nEnd Function\nFunction F(Data)\n  G\n  F = \"[\" & t & \"]\"\nEnd Function", "",
     "[]"},
    {"ConstAndFixedArray",
     "Const Sep = \"-\"\nDim a(1)\nFunction F(Data)\n  a(0) = Data : a(1) = Data\n  F = a(0) & Sep & "
     "a(1)\nEnd Function",
     "z", "z-z"},
    // If
    {"BlockIfElseIf",
     "Function F(Data)\n  If Data = \"a\" Then\n    F = 1\n  ElseIf Data = \"b\" Then\n    F = 2\n  Else\n   "
     " F = 3\n  End If\nEnd Function",
     "b", "2"},
    {"SingleLineIfColonBranches",
     "Function F(Data)\n  If Data = \"a\" Then F = \"x\" : F = F & \"y\" Else F = \"z\" : F = F & \"w\"\nEnd "
     "Function",
     "q", "zw"},
    {"NullConditionIsNotMet", "Function F(Data)\n  If Null Then F = \"yes\" Else F = \"no\"\nEnd Function",
     "", "no"},
    // Select Case
    {"SelectList",
     "Function F(Data)\n  Select Case Data\n    Case \"a\", \"b\" : F = \"ab\"\n    Case Else : F = "
     "\"other\"\n  End Select\nEnd Function",
     "b", "ab"},
    {"SelectRangeAndIs",
     "Function F(Data)\n  Select Case Data * 1\n    Case 1 To 5 : F = \"low\"\n    Case Is >= 10 : F = "
     "\"high\"\n    Case Else : F = \"mid\"\n  End Select\nEnd Function",
     "12", "high"},
    {"SelectTextAgainstNumber",
     "Function F(Data)\n  Select Case Data\n    Case 1 : F = \"one\"\n    Case 2 : F = \"two\"\n  End "
     "Select\nEnd Function",
     "2", "two"},
    {"SignedLiteralFixesTheKind",
     "Function F(Data)\n  F = (Data = -1) & (Data > -2) & (Data = \"-1\")\nEnd Function", "-1",
     "TrueTrueTrue"},
    {"SelectNoMatch",
     "Function F(Data)\n  F = \"none\"\n  Select Case Data\n    Case \"a\" : F = \"a\"\n  End Select\nEnd "
     "Function",
     "b", "none"},
    // loops
    {"ForStep", "Function F(Data)\n  For i = 10 To 1 Step -3\n    F = F & i & \",\"\n  Next\nEnd Function",
     "", "10,7,4,1,"},
    {"ForBoundsOnce",
     "Function F(Data)\n  n = 3\n  For i = 1 To n\n    n = 10\n    F = F & i\n  Next\nEnd Function", "",
     "123"},
    {"ForTextBounds", "Function F(Data)\n  For i = \"1\" To Data\n    F = F & i\n  Next\nEnd Function", "3",
     "123"},
    {"ForNoPass",
     "Function F(Data)\n  F = \"x\"\n  For i = 5 To 1\n    F = \"ran\"\n  Next\n  F = F & i\nEnd Function",
     "", "x5"},
    {"ForExitKeepsCounter",
     "Function F(Data)\n  For i = 1 To 10\n    If i = 4 Then Exit For\n  Next\n  F = i\nEnd Function", "",
     "4"},
    {"ForEachArray",
     "Function F(Data)\n  For Each p In Split(Data, \",\")\n    F = p & F\n  Next\nEnd Function", "a,b,c",
     "cba"},
    {"DoWhile", "Function F(Data)\n  i = 0\n  Do While i < 3\n    i = i + 1\n  Loop\n  F = i\nEnd Function",
     "", "3"},
    {"DoUntilRunsOnce",
     "Function F(Data)\n  i = 0\n  Do\n    i = i + 1\n  Loop Until True\n  F = i\nEnd Function", "", "1"},
    {"DoExitInnerOnly",
     "Function F(Data)\n  For i = 1 To 2\n    Do\n      F = F & i\n      Exit Do\n    Loop\n  Next\nEnd "
     "Function",
     "", "12"},
    {"WhileWend",
     "Function F(Data)\n  s = Data\n  While Len(s) < 5\n    s = \"0\" & s\n  Wend\n  F = s\nEnd Function",
     "42", "00042"},
    // arrays
    {"ReDimPreserve",
     "Function F(Data)\n  Dim a()\n  ReDim a(1)\n  a(0) = \"x\" : a(1) = \"y\"\n  ReDim Preserve a(2)\n  "
     "a(2) = \"z\"\n  F = Join(a, \"\")\nEnd Function",
     "", "xyz"},
    {"ReDimClears",
     "Function F(Data)\n  ReDim a(1)\n  a(0) = \"x\"\n  ReDim a(1)\n  F = \"[\" & a(0) & \"]\"\nEnd Function",
     "", "[]"},
    {"TwoDimensions",
     "Function F(Data)\n  Dim g(1, 2)\n  g(1, 2) = \"c\" : g(0, 1) = \"a\"\n  ReDim Preserve g(1, 3)\n  F = "
     "g(0, 1) & g(1, 2) & \"[\" & g(1, 3) & \"]\"\nEnd Function",
     "", "ac[]"},
    {"ArraysAreValues",
     "Function F(Data)\n  Dim a(1)\n  a(0) = 1\n  b = a\n  b(0) = 9\n  F = a(0) & b(0)\nEnd Function", "",
     "19"},
    // operators and literals
    {"Precedence",
     "Function F(Data)\n  F = -2 ^ 2 & \"|\" & 2 + 3 * 4 & \"|\" & 7 \\ 2 Mod 3 & \"|\" & (Not 1 = 2)\nEnd "
     "Function",
     "", "-4|14|0|True"},
    {"Literals",
     "Function F(Data)\n  F = &HFF & \"|\" & &O17 & \"|\" & (#3/1/2000# - #2/28/2000#) & \"|\" & "
     "\"a\"\"b\"\nEnd Function",
     "", "255|15|2|a\"b"},
    {"ContinuationAndComments",
     "Function F(Data) ' a comment\n  F = \"a\" & _\n      \"b\"\n  Rem another\nEnd Function", "", "ab"},
    {"NothingAndIs", "Function F(Data)\n  Set o = Nothing\n  F = (o Is Nothing)\nEnd Function", "", "True"},
    {"LogicalOperators",
     "Function F(Data)\n  F = (True Xor False) & (True Eqv False) & (False Imp False) & (6 And 3) & (6 Or "
     "3)\nEnd Function",
     "", "TrueFalseTrue27"},
    // errors handled by the script
    {"ResumeNextSkipsStatement",
     "Function F(Data)\n  On Error Resume Next\n  F = \"a\"\n  F = 1 / 0\n  F = F & Err.Number & "
     "Err.Description\nEnd Function",
     "", "a11Division by zero"},
    {"ResumeNextFromCallee",
     "Function G()\n  G = 1 / 0\n  G = 5\nEnd Function\nFunction F(Data)\n  On Error Resume Next\n  F = "
     "\"x\"\n  F = G()\n  F = F & Err.Number\nEnd Function",
     "", "x11"},
    {"ErrClearAndGoToZero",
     "Function F(Data)\n  On Error Resume Next\n  x = 1 / 0\n  n = Err.Number\n  Err.Clear\n  F = n & \"/\" "
     "& Err.Number\nEnd Function",
     "", "11/0"},
    {"ErrRaiseCustom",
     "Function F(Data)\n  On Error Resume Next\n  Err.Raise 1000, \"Mine\", \"Bad label\"\n  F = Err.Number "
     "& \"|\" & Err.Source & \"|\" & Err.Description\nEnd Function",
     "", "1000|Mine|Bad label"},
    {"ErrRaiseStandardText",
     "Function F(Data)\n  On Error Resume Next\n  Err.Raise 9\n  F = Err.Description\nEnd Function", "",
     "Subscript out of range"},
    {"ErrInConditionEntersBranch",
     "Function F(Data)\n  On Error Resume Next\n  If Data * 1 > 5 Then F = \"then\" Else F = \"else\"\nEnd "
     "Function",
     "x", "then"},
    {"OnErrorStatementClearsErr",
     "Function F(Data)\n  On Error Resume Next\n  x = 1 / 0\n  On Error Resume Next\n  F = Err.Number\nEnd "
     "Function",
     "", "0"},
};

class VbsStatement : public testing::TestWithParam<TRunCase> {};

TEST_P(VbsStatement, RunsAsTheLanguageDefines) {
    const TRunCase& c = GetParam();
    auto engine = CreateVBScriptEngine();
    ASSERT_TRUE(engine->AddCode(QString::fromUtf8(c.Script)))
        << engine->Error().Description.toStdString() << " in line " << engine->Error().Line;
    QString result;
    ASSERT_TRUE(engine->Run("F", {QString::fromUtf8(c.Argument)}, result))
        << engine->Error().Description.toStdString() << " in line " << engine->Error().Line;
    EXPECT_EQ(result.toStdString(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Vbs, VbsStatement, testing::ValuesIn(kStatementCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- errors that reach the host: description, line and its text

struct TFailCase {
    const char* Name;
    const char* Script;
    bool AtAddCode;
    const char* Description;
    int Line;
};

const TFailCase kFailCases[] = {
    {"SyntaxLine3", "Function F(Data)\n  x = 1\n  y = x +* 2\nEnd Function", true, "Expected expression", 3},
    {"MissingEnd", "Function F(Data)\n  x = 1\n", true, "Expected 'End'", 3},
    {"TopLevelRunTime", "x = 1\ny = 1 / 0", true, "Division by zero", 2},
    {"DivisionInCallee",
     "Function G(a)\n  G = a / 0\nEnd Function\nFunction F(Data)\n  F = G(1)\nEnd Function", false,
     "Division by zero", 2},
    {"LineAfterReturnFromCall",
     "Function G()\n  G = 1\nEnd Function\nFunction F(Data)\n  F = G() + \"x\" * 1\nEnd Function", false,
     "Type mismatch", 5},
    {"Undefined", "Option Explicit\nFunction F(Data)\n  Dim a\n  F = b\nEnd Function", false,
     "Variable is undefined: 'b'", 4},
    {"UndefinedAtTopLevel", "Option Explicit\nDim a\na = 1\nb = 2", true, "Variable is undefined: 'b'", 4},
    {"UnknownFunction", "Function F(Data)\n  F = Nope(Data)\nEnd Function", false, "Type mismatch: 'Nope'",
     2},
    {"ExecuteIsNotProvided", "Function F(Data)\n  Execute \"F = 1\"\nEnd Function", false,
     "Type mismatch: 'Execute'", 2},
    {"WrongArgumentCount", "Function G(a, b)\nEnd Function\nFunction F(Data)\n  F = G(1)\nEnd Function",
     false, "Wrong number of arguments or invalid property assignment: 'G'", 4},
    {"Subscript", "Function F(Data)\n  Dim a(2)\n  F = a(3)\nEnd Function", false, "Subscript out of range",
     3},
    {"CreateObject",
     "Function F(Data)\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\nEnd Function", false,
     "ActiveX component can't create object", 2},
    {"GetObject", "Function F(Data)\n  Set x = GetObject(\"winmgmts:\")\nEnd Function", false,
     "ActiveX component can't create object", 2},
    {"NewClass", "Function F(Data)\n  Set r = New RegExp\nEnd Function", false, "Class not defined: 'RegExp'",
     2},
    {"ErrRaiseUnhandled", "Function F(Data)\n  Err.Raise 5\nEnd Function", false,
     "Invalid procedure call or argument", 2},
    {"NullResult", "Function F(Data)\n  F = Null\nEnd Function", false, "Invalid use of Null", 2},
    {"GoToZeroStopsResuming",
     "Function F(Data)\n  On Error Resume Next\n  On Error GoTo 0\n  F = 1 / 0\nEnd Function", false,
     "Division by zero", 4},
    {"AssignToFunctionOfOther", "Function G()\nEnd Function\nFunction F(Data)\n  G = 1\nEnd Function", false,
     "Illegal assignment: 'G'", 4},
    {"MissingFunction", "Function G(Data)\nEnd Function", false, "Type mismatch: 'F'", 0},
};

class VbsFailure : public testing::TestWithParam<TFailCase> {};

TEST_P(VbsFailure, ReportsDescriptionLineAndText) {
    const TFailCase& c = GetParam();
    auto engine = CreateVBScriptEngine();
    const QString script = QString::fromUtf8(c.Script);
    bool ok = engine->AddCode(script);
    if (!c.AtAddCode) {
        ASSERT_TRUE(ok) << engine->Error().Description.toStdString();
        QString result = "untouched";
        ok = engine->Run("F", {"1"}, result);
    }
    ASSERT_FALSE(ok);
    const TZpScriptError& e = engine->Error();
    EXPECT_EQ(e.Description.toStdString(), c.Description);
    EXPECT_EQ(e.Line, c.Line);
    const QStringList lines = script.split('\n');
    EXPECT_EQ(e.Text, c.Line > 0 && c.Line <= lines.size() ? lines[c.Line - 1] : QString());
}

INSTANTIATE_TEST_SUITE_P(Vbs, VbsFailure, testing::ValuesIn(kFailCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- the engine's life

TEST(VbsEngine, TopLevelCodeRunsAtAddCodeAndGlobalsLastUntilReset) {
    auto engine = CreateVBScriptEngine();
    EXPECT_EQ(engine->Language(), "VBScript");
    ASSERT_TRUE(engine->AddCode("Dim n\nn = 10\nFunction Next1()\n  n = n + 1\n  Next1 = n\nEnd Function"));
    QString result;
    ASSERT_TRUE(engine->Run("next1", {}, result));
    ASSERT_TRUE(engine->Run("NEXT1", {}, result));
    EXPECT_EQ(result, "12");
    // Later code sees the earlier globals and procedures.
    ASSERT_TRUE(engine->AddCode("n = n * 2\nFunction Twice()\n  Twice = Next1() * 2\nEnd Function"));
    ASSERT_TRUE(engine->Run("Twice", {}, result));
    EXPECT_EQ(result, "50");
    EXPECT_FALSE(engine->AddCode("Function Twice()\nEnd Function"));
    EXPECT_EQ(engine->Error().Description, "Name redefined");
    engine->Reset();
    EXPECT_FALSE(engine->Run("Next1", {}, result));
    ASSERT_TRUE(engine->AddCode("Function Next1()\n  Next1 = n\nEnd Function"));
    ASSERT_TRUE(engine->Run("Next1", {}, result));
    EXPECT_EQ(result, "");
}

TEST(VbsEngine, WindowsLineEndsCountOnceAndStayOutOfTheText) {
    auto engine = CreateVBScriptEngine();
    ASSERT_TRUE(engine->AddCode("Function DataUpdated(Data)\r\n\r\n'This function is called\r\n\r\n  "
                                "DataUpdated=Data\r\nEnd Function"));
    QString result;
    ASSERT_TRUE(engine->Run("DataUpdated", {"same"}, result));
    EXPECT_EQ(result, "same");
    engine->Reset();
    EXPECT_FALSE(engine->AddCode("x = 1\r\n\r\ny = (2\r\nz = 3"));
    EXPECT_EQ(engine->Error().Description, "Expected ')'");
    EXPECT_EQ(engine->Error().Line, 3);
    EXPECT_EQ(engine->Error().Text, "y = (2");
}

TEST(VbsEngine, RunTakesItsArgumentsByCount) {
    auto engine = CreateVBScriptEngine();
    ASSERT_TRUE(engine->AddCode("Function J(a, b)\n  J = a & \"+\" & b\nEnd Function"));
    QString result;
    ASSERT_TRUE(engine->Run("J", {"x", "y"}, result));
    EXPECT_EQ(result, "x+y");
    result = "kept";
    EXPECT_FALSE(engine->Run("J", {"x"}, result));
    EXPECT_EQ(result, "kept");
    EXPECT_EQ(engine->Error().Description, "Wrong number of arguments or invalid property assignment");
}

// ---- limits: every runaway ends in an error, never a hang or a crash

struct TLimitCase {
    const char* Name;
    const char* Script;
    const char* Description;
};

const TLimitCase kLimitCases[] = {
    {"EndlessDo", "Function F(Data)\n  Do\n  Loop\nEnd Function", "Script timed out"},
    {"EndlessWhile", "Function F(Data)\n  While True\n    x = x + 1\n  Wend\nEnd Function",
     "Script timed out"},
    {"StepZero", "Function F(Data)\n  For i = 1 To 2 Step 0\n  Next\nEnd Function", "Script timed out"},
    {"ResumeNextCannotSwallowTheLimit",
     "Function F(Data)\n  On Error Resume Next\n  Do\n    x = 1 / 0\n  Loop\nEnd Function",
     "Script timed out"},
    {"Recursion", "Function F(Data)\n  F = F(Data)\nEnd Function", "Out of stack space"},
    {"HugeReDim", "Function F(Data)\n  ReDim a(1e9)\nEnd Function", "Out of memory"},
    {"HugeTwoDimensional", "Function F(Data)\n  ReDim a(100000, 100000)\nEnd Function", "Out of memory"},
    {"DoublingString", "Function F(Data)\n  s = \"x\"\n  Do\n    s = s & s\n  Loop\nEnd Function",
     "Out of memory"},
};

class VbsLimit : public testing::TestWithParam<TLimitCase> {};

TEST_P(VbsLimit, EndsInAnError) {
    const TLimitCase& c = GetParam();
    auto engine = CreateVBScriptEngine();
    engine->SetTimeLimit(100ms);
    ASSERT_TRUE(engine->AddCode(QString::fromUtf8(c.Script)));
    QString result;
    EXPECT_FALSE(engine->Run("F", {"1"}, result));
    EXPECT_EQ(engine->Error().Description.toStdString(), c.Description);
}

INSTANTIATE_TEST_SUITE_P(Vbs, VbsLimit, testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// No single text may pass 64 MiB, but many may: the memory limit ends the
// call, and no error handler of the script can keep it going.
TEST(VbsEngine, MemoryLimitEndsAHoardingCall) {
    auto engine = CreateVBScriptEngine();
    engine->SetTimeLimit(120s);
    ASSERT_TRUE(engine->AddCode("Function Hoard(Data)\n  On Error Resume Next\n  Dim a(1000)\n"
                                "  For i = 0 To 1000\n    a(i) = Space(30000000)\n  Next\nEnd Function\n"
                                "Function Fine(Data)\n  Fine = \"fine \" & Data\nEnd Function"));
    QString result;
    EXPECT_FALSE(engine->Run("Hoard", {"1"}, result));
    EXPECT_EQ(engine->Error().Description, "Out of memory");
    EXPECT_EQ(engine->Error().Line, 5);
    ASSERT_TRUE(engine->Run("Fine", {"x"}, result));
    EXPECT_EQ(result, "fine x");
}

TEST(VbsEngine, TopLevelRunawayEndsAddCode) {
    auto engine = CreateVBScriptEngine();
    engine->SetTimeLimit(100ms);
    EXPECT_FALSE(engine->AddCode("Do\nLoop"));
    EXPECT_EQ(engine->Error().Description, "Script timed out");
    EXPECT_EQ(engine->Error().Line, 1);
}

} // namespace
} // namespace zp
