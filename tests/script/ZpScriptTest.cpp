// SPDX-License-Identifier: MIT
#include "model/script/ZpScript.h"

#include "model/ModelTestSupport.h"
#include "model/objects/TextObject.h"
#include "model/script/ScriptSyntax.h"
#include "print/RunSources.h"

#include <gtest/gtest.h>

using namespace zp;

namespace {

const QString kUpper = QStringLiteral("function DataUpdated(Data) { return Data.toUpperCase(); }\n"
                                      "function BeforePrintData(Data) { return '[' + Data + ']'; }");

} // namespace

TEST(ZpScriptTest, NewTextObjectHasNoScriptRunningAndSavesAnEmptyText) {
    TZpTextObject text;
    EXPECT_FALSE(text.Script().GetEnabled());
    EXPECT_EQ(text.Script().GetLanguage(), kVBScriptLanguage);
    EXPECT_EQ(text.Script().GetScript(), DefaultScript(kVBScriptLanguage));
    EXPECT_FALSE(text.Script().GetError().has_value());
    TZpScript empty;
    empty.SetScript(QString());
    EXPECT_EQ(test::Record(text.Script()), test::Record(empty));
}

TEST(ZpScriptTest, EngineRunsWhileEnabledAndRecompilesOnChanges) {
    TZpScript script;
    script.SetLanguage(kJScriptLanguage);
    script.SetScript(QStringLiteral("var n = 0; function DataUpdated(Data) { n++; return Data + n; }"));
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("a")),
              QStringLiteral("a")); // disabled
    script.SetEnabled(true);
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("a")), QStringLiteral("a1"));
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("a")), QStringLiteral("a2"));
    ASSERT_TRUE(script.GetError().has_value());
    EXPECT_TRUE(script.GetError()->Description.isEmpty());
    // A new text compiles anew: the script's globals start over.
    script.SetScript(QStringLiteral("var n = 10; function DataUpdated(Data) { n++; return Data + n; }"));
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("b")), QStringLiteral("b11"));
    // Without the function the call fails visibly.
    EXPECT_EQ(script.Run(QStringLiteral("AfterPrintData"), QStringLiteral("b")), kScriptErrorText);
    EXPECT_FALSE(script.GetError()->Description.isEmpty());
    script.SetEnabled(false);
    EXPECT_FALSE(script.GetError().has_value());
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("c")), QStringLiteral("c"));
}

TEST(ZpScriptTest, SyntaxErrorRaisesWithLineAndKeepsTheScriptFailing) {
    TZpScript script;
    script.SetLanguage(kJScriptLanguage);
    script.SetScript(DefaultScript(kJScriptLanguage));
    script.SetEnabled(true);
    try {
        script.SetScript(QStringLiteral("function DataUpdated(Data)\r\n{\r\n  return Data +* 2;\r\n}"));
        FAIL() << "no error raised";
    } catch (const EZpScriptError& e) {
        EXPECT_EQ(e.Error().Line, 3);
        EXPECT_EQ(e.Error().Text, QStringLiteral("  return Data +* 2;"));
        EXPECT_EQ(e.Message(), e.Error().Description + QStringLiteral(" in line 3: \"  return Data +* 2;\""));
    }
    EXPECT_TRUE(script.GetEnabled());
    EXPECT_TRUE(script.CompileFailed());
    EXPECT_EQ(script.GetError()->Line, 3);
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("x")), kScriptErrorText);
    // A repaired text compiles and runs again.
    script.SetScript(QStringLiteral("function DataUpdated(Data) { return 'ok'; }"));
    EXPECT_FALSE(script.CompileFailed());
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("x")), QStringLiteral("ok"));
}

TEST(ZpScriptTest, LanguageWithoutEngineCannotBeEnabled) {
    TZpScript script;
    script.SetLanguage(QStringLiteral("PerlScript"));
    try {
        script.SetEnabled(true);
        FAIL() << "no error raised";
    } catch (const EZpError& e) {
        EXPECT_EQ(e.Message(), kNoScriptEngineMessage);
    }
    EXPECT_FALSE(script.GetEnabled());
    // An enabled script switched to such a language keeps failing until repaired.
    script.SetLanguage(kJScriptLanguage);
    script.SetScript(kUpper);
    script.SetEnabled(true);
    EXPECT_THROW(script.SetLanguage(QStringLiteral("PerlScript")), EZpError);
    EXPECT_TRUE(script.CompileFailed());
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("x")), kScriptErrorText);
    EXPECT_EQ(script.GetError()->Description, kNoScriptEngineMessage);
    script.SetLanguage(kJScriptLanguage);
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("x")), QStringLiteral("X"));
}

// The text shown in the design area and the text of every printed label go
// through the script.
TEST(ZpScriptTest, UpperCaseScriptChangesShownAndPrintedText) {
    auto text = std::make_shared<TZpTextObject>();
    text->Data().SetText(QStringLiteral("label one"));
    text->Script().SetLanguage(kJScriptLanguage);
    text->Script().SetScript(kUpper);
    text->Script().SetEnabled(true);
    text->Data().Update();
    EXPECT_EQ(text->Data().GetText(), QStringLiteral("LABEL ONE"));

    TZpRunSources run({text});
    text->Data().SetText(QStringLiteral("label two"));
    run.Update(false);
    run.RunScripts(QStringLiteral("BeforePrintData"));
    EXPECT_EQ(text->Data().GetText(), QStringLiteral("[LABEL TWO]"));
}

TEST(ZpScriptTest, MissingDataUpdatedGivesScriptError) {
    TZpTextObject text;
    text.Data().SetText(QStringLiteral("abc"));
    text.Script().SetLanguage(kJScriptLanguage);
    text.Script().SetScript(QStringLiteral("function Other(Data) { return Data; }"));
    text.Script().SetEnabled(true);
    text.Data().Update();
    EXPECT_EQ(text.Data().GetText(), kScriptErrorText);
}

TEST(ZpScriptTest, SyntaxTestNamesTheLineOfTheError) {
    const TZpSyntaxCheck vbs = TestScriptSyntax(
        kVBScriptLanguage,
        QStringLiteral("Function DataUpdated(Data)\r\n  Dim x\r\n  x = (Data + \r\nEnd Function"));
    EXPECT_FALSE(vbs.Passed);
    EXPECT_TRUE(vbs.Message.endsWith(QStringLiteral(" in line 3: \"  x = (Data + \"")))
        << vbs.Message.toStdString();
    EXPECT_FALSE(vbs.Message.startsWith(QStringLiteral(" in line")));

    const TZpSyntaxCheck js = TestScriptSyntax(kJScriptLanguage, DefaultScript(kJScriptLanguage));
    EXPECT_TRUE(js.Passed);
    EXPECT_EQ(js.Message, QStringLiteral("Script passed syntax check!"));
    EXPECT_EQ(TestScriptSyntax(QStringLiteral("PerlScript"), QString()).Message, kNoScriptEngineMessage);
}

// The page compiles only the editor's text: switching an enabled script to
// the other language, or switching on a repaired script, succeeds at once.
TEST(ZpScriptTest, ScriptPageCompilesOnlyTheEditorsText) {
    TZpScript script;
    ApplyScriptPage(script, true, kVBScriptLanguage, DefaultScript(kVBScriptLanguage));
    ApplyScriptPage(script, true, kJScriptLanguage, kUpper);
    EXPECT_EQ(script.GetLanguage(), kJScriptLanguage);
    EXPECT_EQ(script.Run(QStringLiteral("DataUpdated"), QStringLiteral("a")), QStringLiteral("A"));

    TZpScript broken;
    broken.SetLanguage(kJScriptLanguage);
    broken.SetScript(QStringLiteral("function DataUpdated(Data) { return Data +; }"));
    ApplyScriptPage(broken, true, kJScriptLanguage, kUpper);
    EXPECT_EQ(broken.Run(QStringLiteral("DataUpdated"), QStringLiteral("b")), QStringLiteral("B"));

    EXPECT_THROW(ApplyScriptPage(broken, true, kJScriptLanguage, QStringLiteral("function (")),
                 EZpScriptError);
}
