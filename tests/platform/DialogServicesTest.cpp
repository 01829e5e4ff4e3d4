// SPDX-License-Identifier: MIT
#include "platform/dialogs/NonInteractiveDialogs.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dialogs/widgets/PasswordDialog.h"

#include <QLineEdit>
#include <cstdio>
#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(NonInteractiveDialogsTest, TakesTheDefaultAndSaysSoOnStandardError) {
    FILE* out = std::tmpfile();
    ASSERT_TRUE(out);
    TZpNonInteractiveDialogs dialogs(out);
    EXPECT_EQ(dialogs.MessageBox(TZpMsgKind::Confirmation, QStringLiteral("Print anyway?"), TZpButtons::YesNoCancel,
                                 TZpAnswer::No),
              TZpAnswer::No);
    EXPECT_EQ(dialogs.Prompt(QStringLiteral("Lot number"), QStringLiteral("A1")), QStringLiteral("A1"));
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

TEST(ScriptedDialogsTest, AnswersInOrderAndRecordsTheQuestions) {
    TZpScriptedDialogsGuard dialogs;
    dialogs->Queue(TZpAnswer::Yes);
    dialogs->Queue(QStringLiteral("typed"));
    EXPECT_TRUE(Confirm(QStringLiteral("Sure?"), false));
    EXPECT_EQ(ZpDialogs().Prompt(QStringLiteral("Name"), {}), QStringLiteral("typed"));
    EXPECT_FALSE(Confirm(QStringLiteral("Again?"), false)); // nothing queued: the default
    EXPECT_EQ(dialogs->Messages(), (QStringList{"Sure?", "Again?"}));
    EXPECT_EQ(dialogs->Questions().size(), 3u);
}

TEST(PasswordDialogTest, OkStaysOpenWhileTheCheckRefuses) {
    int checks = 0;
    TfrmPassword dialog(TfrmPassword::TMode::Lock,
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
