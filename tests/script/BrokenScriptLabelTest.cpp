// SPDX-License-Identifier: MIT
// A label whose enabled script does not compile still opens, shows the
// failure on its object and names it in one warning.
#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "model/objects/TextObject.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zp;

namespace {

// Two text objects with enabled JScript scripts: "Name" upper-cases its text,
// "Price" has "  return Data +* 2;" in line 3.
const QString kFixture = QStringLiteral("files/script-does-not-compile.zp3");

TZpTextObject& Text(TZpLabelDocument& document, size_t index) {
    return dynamic_cast<TZpTextObject&>(*document.Objects().at(index));
}

} // namespace

TEST(BrokenScriptLabelTest, OpensWithTheScriptKeptAndFailingVisibly) {
    TZpScriptedDialogsGuard dialogs;
    TZpLabelDocument document;
    LoadLabelDocument(document, test::TestDataPath(kFixture), true);
    ASSERT_EQ(document.Objects().size(), 2u);

    TZpTextObject& price = Text(document, 1);
    EXPECT_TRUE(price.Script().GetEnabled());
    EXPECT_TRUE(price.Script().CompileFailed());
    EXPECT_TRUE(price.Script().GetScript().contains(QStringLiteral("return Data +* 2;")));
    price.Data().Update();
    EXPECT_EQ(price.Data().GetText(), kScriptErrorText);

    TZpTextObject& name = Text(document, 0);
    EXPECT_FALSE(name.Script().CompileFailed());
    name.Data().Update();
    EXPECT_EQ(name.Data().GetText(), QStringLiteral("WIDGET"));

    // One warning names the object and carries the engine's message.
    ASSERT_EQ((*dialogs).Questions().size(), 1u);
    const auto& warning = (*dialogs).Questions().front();
    EXPECT_EQ(warning.MsgKind, TZpMsgKind::Warning);
    EXPECT_TRUE(warning.Text.contains(QStringLiteral("text object Price (object 2)")))
        << warning.Text.toStdString();
    EXPECT_TRUE(warning.Text.contains(QStringLiteral(" in line 3: \"  return Data +* 2;\"")))
        << warning.Text.toStdString();
    EXPECT_FALSE(warning.Text.contains(QStringLiteral("Name")));

    // Saved again, the script comes back as it was: enabled, text unchanged.
    QTemporaryDir dir;
    const QString again = dir.filePath(QStringLiteral("again.zp3"));
    SaveLabelDocument(document, again);
    TZpLabelDocument reopened;
    LoadLabelDocument(reopened, again, false);
    EXPECT_TRUE(Text(reopened, 1).Script().GetEnabled());
    EXPECT_EQ(Text(reopened, 1).Script().GetScript(), price.Script().GetScript());
}

// Copies of such an object (undo records, property dialogs) load quietly.
TEST(BrokenScriptLabelTest, CopiesOfTheObjectLoadWithoutQuestions) {
    TZpScriptedDialogsGuard dialogs;
    TZpLabelDocument document;
    LoadLabelDocument(document, test::TestDataPath(kFixture), false);
    EXPECT_TRUE((*dialogs).Questions().empty());
    std::shared_ptr<TZpObject> copy = document.Objects().at(1)->Clone();
    auto* script = Supports<IZpScript>(copy);
    ASSERT_NE(script, nullptr);
    EXPECT_TRUE(script->CompileFailed());
    EXPECT_EQ(script->Run(QStringLiteral("DataUpdated"), QStringLiteral("1")), kScriptErrorText);
    EXPECT_TRUE((*dialogs).Questions().empty());
}
