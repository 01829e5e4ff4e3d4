// SPDX-License-Identifier: MIT
// The parts around the pages: "Select Field", the script highlighter and
// the dialog service that opens "Object Properties".
#include "SheetFixture.h"
#include "data/DataConnections.h"
#include "data/dialogs/SelectFieldDialog.h"
#include "design/dialogs/ScriptHighlighter.h"
#include "platform/dialogs/widgets/WidgetDialogs.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

namespace zp::test {
namespace {

class SelectFieldTest : public SheetTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        const QString cs = MakeDatabase(Dir.filePath(QStringLiteral("shop.db")),
                                        {QStringLiteral("CREATE TABLE Products (Name TEXT, Price TEXT)"),
                                         QStringLiteral("CREATE TABLE People (First TEXT, Last TEXT)")});
        Connections.AddConnection(QStringLiteral("Shop"), cs);
        Connections.AddDataset(QStringLiteral("Shop"), QStringLiteral("Products"),
                               QStringLiteral("SELECT * FROM Products"));
        Connections.AddDataset(QStringLiteral("Shop"), QStringLiteral("People"),
                               QStringLiteral("SELECT * FROM People"));
        Connections.Open();
    }
    QTemporaryDir Dir;
    TZpDataConnections Connections;
};

TEST_F(SelectFieldTest, ShowsTheEntryAndWritesEveryValueBack) {
    TZpFieldDef entry{QStringLiteral("Shop"),
                      QStringLiteral("People"),
                      QStringLiteral("Last"),
                      QStringLiteral("<"),
                      QStringLiteral(">"),
                      2,
                      3,
                      true,
                      smCharacters};
    TfrmSelectField dialog(&Connections);
    dialog.SetField(entry);
    auto* fields = Find<QComboBox>(&dialog, QStringLiteral("Field"));
    EXPECT_EQ(fields->count(), 2);
    EXPECT_EQ(fields->currentText(), QStringLiteral("Last"));
    EXPECT_TRUE(Find<QSpinBox>(&dialog, QStringLiteral("Strip leading"))->isEnabled());
    TZpFieldDef back;
    dialog.GetField(back);
    EXPECT_EQ(back, entry);

    Choose(Find<QComboBox>(&dialog, QStringLiteral("Dataset")), QStringLiteral("Products"));
    EXPECT_EQ(fields->currentIndex(), -1);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Dialogs->Messages(), QStringList{QStringLiteral("You must select a field!")});
    Choose(fields, QStringLiteral("Price"));
    Choose(Find<QComboBox>(&dialog, QStringLiteral("Field stripping")),
           QStringLiteral("Strip leading zeros"));
    EXPECT_FALSE(Find<QSpinBox>(&dialog, QStringLiteral("Strip leading"))->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.GetField(back);
    EXPECT_EQ(back.Dataset, QStringLiteral("Products"));
    EXPECT_EQ(back.Field, QStringLiteral("Price"));
    EXPECT_EQ(back.Connection, QStringLiteral("Shop"));
    EXPECT_EQ(back.StripMethod, smLeadingZeros);
}

struct THighlightCase {
    const char* Name;
    const char* Language;
    const char* Text;
    int Block;
    int Position;
    const char* Expected; // keyword, string, number, comment, plain
};

const THighlightCase kHighlights[] = {
    {"VBKeywordAnyCase", "VBScript", "FUNCTION f(x)", 0, 2, "keyword"},
    {"VBComment", "VBScript", "x = 1 ' note", 0, 9, "comment"},
    {"VBQuoteInComment", "VBScript", "' say \"hi", 0, 7, "comment"},
    {"VBApostropheInString", "VBScript", "x = \"it's\" + 1", 0, 7, "string"},
    {"VBNumber", "VBScript", "x = 42", 0, 4, "number"},
    {"JSKeywordIsCaseSensitive", "JScript", "Return x;", 0, 1, "plain"},
    {"JSLineComment", "JScript", "var a; // b", 0, 10, "comment"},
    {"JSBlockCommentGoesOn", "JScript", "/* one\ntwo */ var", 1, 1, "comment"},
    {"JSAfterBlockComment", "JScript", "/* one\ntwo */ var", 1, 8, "keyword"},
    {"JSEscapedQuote", "JScript", "s = 'a\\'b' + c", 0, 8, "string"},
};

class Highlighting : public ::testing::TestWithParam<THighlightCase> {};

TEST_P(Highlighting, ReadsTheTextAsTheLanguageDoes) {
    const THighlightCase& c = GetParam();
    QTextDocument document(QString::fromLatin1(c.Text));
    TZpScriptHighlighter highlighter(&document);
    highlighter.SetLanguage(QString::fromLatin1(c.Language));
    const QTextBlock block = document.findBlockByNumber(c.Block);
    QTextCharFormat format;
    for (const QTextLayout::FormatRange& r : block.layout()->formats())
        if (c.Position >= r.start && c.Position < r.start + r.length)
            format = r.format;
    const std::map<std::string, QTextCharFormat> kinds = {{"keyword", highlighter.KeywordFormat},
                                                          {"string", highlighter.StringFormat},
                                                          {"number", highlighter.NumberFormat},
                                                          {"comment", highlighter.CommentFormat},
                                                          {"plain", QTextCharFormat()}};
    EXPECT_EQ(format, kinds.at(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Scripts, Highlighting, ::testing::ValuesIn(kHighlights),
                         [](const auto& info) { return std::string(info.param.Name); });

// Core code asks the dialog services; the installed dialog answers, and a
// cancelled one leaves the object alone.
TEST_F(SheetTest, TheDialogServiceOpensTheInstalledDialog) {
    TZpWidgetDialogs widgets;
    auto rect = std::make_shared<TZpRectangleObject>();
    EXPECT_FALSE(widgets.EditObjectProperties(*rect)) << "nothing installed";
    InstallPropertyDialogs();
    const QByteArray before = Record(*rect);
    QString caption;
    auto closeWith = [&](bool ok) {
        QTimer::singleShot(0, [&, ok] {
            auto* dialog = qobject_cast<TfrmPropertyObject*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            caption = dialog->windowTitle();
            Find<QCheckBox>(dialog->Page(QStringLiteral("Properties")), QStringLiteral("Print object"))
                ->click();
            ok ? dialog->OkButton()->click() : dialog->CancelButton()->click();
        });
    };
    closeWith(false);
    EXPECT_FALSE(widgets.EditObjectProperties(*rect));
    EXPECT_EQ(Record(*rect), before);
    closeWith(true);
    auto previous = SetZpDialogs(std::make_unique<TZpWidgetDialogs>());
    const bool confirmed = rect->EditProperties();
    SetZpDialogs(std::move(previous));
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(caption, QStringLiteral("Object Properties"));
    EXPECT_FALSE(rect->GetPrintObject());
    TZpWidgetDialogs::SetObjectPropertiesEditor(nullptr);
}

} // namespace
} // namespace zp::test
