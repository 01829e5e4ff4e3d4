// SPDX-License-Identifier: MIT
// The "Scripting" page: the object's script, its language and the syntax test.
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "design/dialogs/PropertySheet.h"
#include "design/dialogs/ScriptHighlighter.h"
#include "model/data/ZpData.h"
#include "model/script/ScriptSyntax.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/DialogServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zp {

const QString kKeepBrokenScriptQuestion = QStringLiteral(
    "%1\n\nKeep this script anyway? The object shows \"SCRIPT ERROR\" until the script is repaired.");

namespace {

class TScriptPage : public TZpPropertyPage {
public:
    explicit TScriptPage(TZpSheetContext& context) : TZpPropertyPage(context, QStringLiteral("Scripting")) {
        auto* column = new QVBoxLayout(this);
        auto* top = new QGridLayout;
        column->addLayout(top);
        FEnabled = AddCheck(*top, QStringLiteral("&Enable scripting"));
        FLanguage = MakeList(this, {kJScriptLanguage, kVBScriptLanguage});
        AddRow(*top, QStringLiteral("&Language"), FLanguage);
        FEditor = new QPlainTextEdit(this);
        FEditor->setAccessibleName(QStringLiteral("Script"));
        FEditor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        FEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
        FEditor->setTabChangesFocus(true);
        FHighlighter = new TZpScriptHighlighter(FEditor->document());
        column->addWidget(FEditor, 1);
        auto* row = new QHBoxLayout;
        auto* test = new QPushButton(QStringLiteral("&Test"), this);
        test->setAutoDefault(false);
        NameFor(test, test->text());
        row->addWidget(test);
        FResult = new QLabel(this);
        FResult->setAccessibleName(QStringLiteral("Syntax test result"));
        FResult->setWordWrap(true);
        FResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row->addWidget(FResult, 1);
        column->addLayout(row);

        // A new language starts from its own default script.
        connect(FLanguage, &QComboBox::activated, this, [this] {
            FHighlighter->SetLanguage(FLanguage->currentText());
            FEditor->setPlainText(DefaultScript(FLanguage->currentText()));
            FResult->clear();
        });
        connect(test, &QPushButton::clicked, this, [this] { Test(); });
    }

    void Load() override {
        auto* s = Supports<IZpScript>(FContext.Copy);
        if (!s)
            return;
        FEnabled->setChecked(s->GetEnabled());
        const int index = FLanguage->findText(s->GetLanguage(), Qt::MatchFixedString);
        FLanguage->setCurrentIndex(index >= 0 ? index : 1);
        FHighlighter->SetLanguage(FLanguage->currentText());
        FEditor->setPlainText(s->GetScript());
        FResult->clear();
    }

    // OK applies the page. A script that does not compile may be kept (it
    // then fails every call, and the label names it when opened) once the
    // user has seen why it fails.
    bool Check() override {
        auto* s = Supports<IZpScript>(FContext.Copy);
        if (!s || !Supports<IZpData>(FContext.Copy))
            return true;
        try {
            Apply(*s);
        } catch (const EZpScriptError& e) {
            ShowResult(false, e.Message());
            return ZpDialogs().MessageBox(TZpMsgKind::Confirmation,
                                          kKeepBrokenScriptQuestion.arg(e.Message()), TZpButtons::YesNo,
                                          TZpAnswer::No) == TZpAnswer::Yes;
        } catch (const EZpError& e) {
            ShowResult(false, e.Message());
            ShowMessage(TZpMsgKind::Error, e.Message());
            return false;
        }
        return true;
    }

    // Leaving the page puts the script into the copy, so the preview shows
    // what the script makes of the data; a failing script shows its message
    // here and "SCRIPT ERROR" there.
    void Left() override {
        auto* s = Supports<IZpScript>(FContext.Copy);
        if (!s || !Loaded())
            return;
        try {
            Apply(*s);
        } catch (const EZpError& e) {
            ShowResult(false, e.Message());
        }
        // Produced text only: static text would be replaced by the result.
        if (auto* data = Supports<IZpData>(FContext.Copy);
            data && data->GetKind() != dkPrompt && data->GetKind() != dkStaticText)
            data->Update();
        Changed();
    }

private:
    void Apply(IZpScript& s) {
        ApplyScriptPage(s, FEnabled->isChecked(), FLanguage->currentText(), FEditor->toPlainText());
    }

    void Test() {
        auto* s = Supports<IZpScript>(FContext.Copy);
        if (!s)
            return;
        try {
            Apply(*s);
        } catch (const EZpError& e) {
            ShowResult(false, e.Message());
            ShowMessage(TZpMsgKind::Error, e.Message());
            return;
        }
        // A disabled script is not compiled by the page; the test still
        // checks the text.
        const TZpSyntaxCheck check = FEnabled->isChecked()
                                         ? TZpSyntaxCheck{true, kSyntaxPassedMessage}
                                         : TestScriptSyntax(FLanguage->currentText(), FEditor->toPlainText());
        ShowResult(check.Passed, check.Message);
        ShowMessage(check.Passed ? TZpMsgKind::Information : TZpMsgKind::Error, check.Message);
    }

    void ShowResult(bool passed, const QString& message) {
        FResult->setText(message);
        FResult->setStyleSheet(passed ? QStringLiteral("color: darkgreen;")
                                      : QStringLiteral("color: darkred;"));
    }

    QCheckBox* FEnabled;
    QComboBox* FLanguage;
    QPlainTextEdit* FEditor;
    TZpScriptHighlighter* FHighlighter;
    QLabel* FResult;
};

} // namespace

TZpPropertyPage* MakeScriptPage(TZpSheetContext& context) {
    return new TScriptPage(context);
}

} // namespace zp
