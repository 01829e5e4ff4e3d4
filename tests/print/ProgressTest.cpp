// SPDX-License-Identifier: MIT
// The progress windows of printing behind the dialog services.
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dialogs/TextProgress.h"
#include "print/dialogs/ProgressWindow.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace zp {
namespace {

QString Written(const std::function<void(FILE*)>& write) {
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    FILE* out = std::fopen(file.fileName().toLocal8Bit().constData(), "w+");
    write(out);
    std::fclose(out);
    return QString::fromUtf8(file.readAll());
}

TEST(Progress, WithoutATerminalEachPageIsOneLine) {
    const QString text = Written([](FILE* out) {
        TZpTextProgress progress(out, TZpProgressKind::GeneratingLabels, false);
        for (int label = 0; label < 5; ++label) {
            progress.Update(QStringLiteral("Generating Pages..."),
                            QStringLiteral("Page %1").arg(label / 2 + 1));
            progress.SetPosition(label, 5, QString());
        }
    });
    EXPECT_EQ(text, QStringLiteral("zentaprint: Generating Labels: Page 1\n"
                                   "zentaprint: Generating Labels: Page 2\n"
                                   "zentaprint: Generating Labels: Page 3\n"));
}

TEST(Progress, OnATerminalOneLineIsRedrawnWithItsBar) {
    const QString text = Written([](FILE* out) {
        TZpTextProgress progress(out, TZpProgressKind::GeneratingLabels, true);
        progress.Update(QStringLiteral("Generating Pages..."), QStringLiteral("Page 1"));
        progress.SetPosition(5, 10, QString());
    });
    EXPECT_TRUE(
        text.contains(QStringLiteral("\rGenerating Labels [###############---------------]  50% Page 1")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QLatin1Char('\n')), 1);
}

TEST(Progress, ScriptedAbortAsksForGeneratingAndNotForChecking) {
    TZpScriptedDialogsGuard dialogs;
    dialogs->PressAbortAt(2);
    dialogs->Queue(TZpAnswer::No); // the first question keeps the run going
    auto generating = dialogs->CreateProgress(TZpProgressKind::GeneratingLabels);
    generating->Update(QString(), QStringLiteral("Page 1"));
    generating->Update(QString(), QStringLiteral("Page 1"));
    EXPECT_FALSE(generating->Cancelled());
    EXPECT_EQ(dialogs->Messages(),
              QStringList{QStringLiteral("Are you sure you want to cancel this print job?")});

    auto checking = dialogs->CreateProgress(TZpProgressKind::CheckingBarCodes);
    checking->SetPosition(0, 3, QStringLiteral("a"));
    checking->SetPosition(1, 3, QStringLiteral("b"));
    EXPECT_TRUE(checking->Cancelled());
    EXPECT_EQ(dialogs->Messages().size(), 1);
    checking->ClearCancel();
    EXPECT_FALSE(checking->Cancelled());
}

TEST(Progress, TheGeneratingWindowCancelsOnlyAfterYes) {
    TZpScriptedDialogsGuard dialogs;
    TZpProgressWindow window(TZpProgressKind::GeneratingLabels, nullptr);
    window.Update(QStringLiteral("Generating Pages..."), QStringLiteral("Page 1"));
    EXPECT_TRUE(window.isVisible());
    dialogs->Queue(TZpAnswer::No);
    window.PressAbort();
    EXPECT_FALSE(window.Cancelled());
    dialogs->Queue(TZpAnswer::Yes);
    window.PressAbort();
    EXPECT_TRUE(window.Cancelled());

    TZpProgressWindow checking(TZpProgressKind::CheckingBarCodes, nullptr);
    checking.PressAbort();
    EXPECT_TRUE(checking.Cancelled());
    EXPECT_EQ(dialogs->Messages().size(), 2);
}

} // namespace
} // namespace zp
