// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "platform/dialogs/NonInteractiveDialogs.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dialogs/widgets/PasswordDialog.h"
#include "platform/dialogs/widgets/PromptDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <cstdio>
#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(NonInteractiveDialogsTest, TakesTheDefaultAndSaysSoOnStandardError) {
    FILE* out = std::tmpfile();
    ASSERT_TRUE(out);
    TZpNonInteractiveDialogs dialogs(out);
    EXPECT_EQ(dialogs.MessageBox(TZpMsgKind::Confirmation, QStringLiteral("Print anyway?"),
                                 TZpButtons::YesNoCancel, TZpAnswer::No),
              TZpAnswer::No);
    SetPromptAnswers({{QStringLiteral("Lot number"), QStringLiteral("A1")}});
    TPromptData lot{QStringLiteral("Lot number"), {}, 1};
    EXPECT_TRUE(dialogs.Prompt(lot));
    EXPECT_EQ(lot.Value, QStringLiteral("A1"));
    EXPECT_EQ(lot.Count, -1); // a given answer serves every label
    SetPromptAnswers({});
    EXPECT_FALSE(dialogs.LockLabel([](const TZpPasswordEntry&) { return true; }));
    EXPECT_EQ(dialogs.SaveFileName(QStringLiteral("Save PDF"), {}, {}), std::nullopt);
    EXPECT_FALSE(dialogs.IsInteractive());
    std::rewind(out);
    char buffer[512] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    const QString text = QString::fromUtf8(buffer, qsizetype(n));
    EXPECT_TRUE(text.contains(QStringLiteral("Confirm: Print anyway? [No]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Input Required: Lot number [A1]")));
}

// Nobody can type an answer, so an unanswered prompt stops the job with a
// message naming it instead of printing an empty value.
TEST(NonInteractiveDialogsTest, PromptWithoutAGivenAnswerFailsNamingTheCaption) {
    TZpNonInteractiveDialogs dialogs(nullptr);
    SetPromptAnswers({{QStringLiteral("Lot"), QStringLiteral("7")}});
    TPromptData data{QStringLiteral("Batch"), {}, 1};
    try {
        (void)dialogs.Prompt(data);
        ADD_FAILURE() << "no error";
    } catch (const EZpError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("\"Batch\""))) << e.Message().toStdString();
    }
    SetPromptAnswers({});
}

TEST(ScriptedDialogsTest, AnswersInOrderAndRecordsTheQuestions) {
    TZpScriptedDialogsGuard dialogs;
    dialogs->Queue(TZpAnswer::Yes);
    dialogs->Queue(QStringLiteral("typed"));
    dialogs->Queue(TPromptData{{}, QStringLiteral("all"), -1});
    EXPECT_TRUE(Confirm(QStringLiteral("Sure?"), false));
    TPromptData name{QStringLiteral("Name"), {}, 5};
    EXPECT_TRUE(ZpDialogs().Prompt(name));
    EXPECT_EQ(name.Value, QStringLiteral("typed"));
    EXPECT_EQ(name.Count, 1); // a plain text answers for the next label
    EXPECT_TRUE(ZpDialogs().Prompt(name));
    EXPECT_EQ(name.Value, QStringLiteral("all"));
    EXPECT_EQ(name.Count, -1);
    EXPECT_FALSE(ZpDialogs().Prompt(name));                 // nothing queued: cancelled
    EXPECT_FALSE(Confirm(QStringLiteral("Again?"), false)); // nothing queued: the default
    EXPECT_EQ(dialogs->Messages(), (QStringList{"Sure?", "Again?"}));
    EXPECT_EQ(dialogs->Questions().size(), 5u);
    EXPECT_EQ(dialogs->Questions()[1].Text, QStringLiteral("Name"));
}

TEST(PromptDialogTest, ShowsTheCaptionAndReturnsTheValueWithItsCount) {
    TfrmPrompt dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input Required"));
    EXPECT_EQ(dialog.lblCaption->text(), QStringLiteral("&Enter your data here."));
    dialog.SetData({QStringLiteral("Lot number?"), QStringLiteral("L-17"), 1});
    EXPECT_EQ(dialog.lblCaption->text(), QStringLiteral("Lot number?"));
    EXPECT_EQ(dialog.memValue->textCursor().selectedText(), QStringLiteral("L-17"));
    EXPECT_TRUE(dialog.rbNextLabels->isChecked());
    EXPECT_TRUE(dialog.spnCount->isEnabled());
    EXPECT_EQ(dialog.spnCount->minimum(), 1);
    EXPECT_EQ(dialog.spnCount->maximum(), 999999);

    dialog.memValue->setPlainText(QStringLiteral("two\nlines"));
    dialog.spnCount->setValue(12);
    TPromptData out;
    dialog.GetData(out);
    EXPECT_EQ(out.Value, QStringLiteral("two\nlines"));
    EXPECT_EQ(out.Count, 12);

    dialog.rbAllLabels->setChecked(true);
    EXPECT_FALSE(dialog.spnCount->isEnabled());
    dialog.GetData(out);
    EXPECT_EQ(out.Count, -1);
}

TEST(PasswordDialogTest, OkStaysOpenWhileTheCheckRefuses) {
    int checks = 0;
    TfrmPassword dialog(
        TfrmPassword::TMode::Lock,
        [&](const QString& pw, const QString& confirm) {
            ++checks;
            return pw == confirm;
        },
        nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lock Label"));
    const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    dialog.open();
    edits[0]->setText(QStringLiteral("abc"));
    edits[1]->setText(QStringLiteral("ABC"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    edits[1]->setText(QStringLiteral("abc"));
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Password(), QStringLiteral("abc"));
    EXPECT_EQ(checks, 2);

    TfrmPassword unlock(TfrmPassword::TMode::Unlock, {}, nullptr);
    EXPECT_EQ(unlock.windowTitle(), QStringLiteral("Unlock Label"));
    EXPECT_EQ(unlock.findChildren<QLineEdit*>().size(), 1);
}

} // namespace
} // namespace zp
