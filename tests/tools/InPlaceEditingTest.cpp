// SPDX-License-Identifier: MIT
// Editing text and bar code objects in place through the session, with the
// editors' logic alone (no window).
#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "design/edit/Arrange.h"
#include "design/edit/EditSession.h"
#include "design/edit/TextEditModel.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <optional>

namespace zp {
namespace {

class InPlaceEditingTest : public ::testing::Test {
protected:
    InPlaceEditingTest() {
        SetLabelDPI(300);
        Session = std::make_unique<TZpEditSession>(100);
        SetTextEditorFactory([this](TZpTextObject& object, QWidget*, const TRect&) {
            auto model = std::make_unique<TZpTextEditModel>(object);
            model->OnCaretFormat = [&object] { object.EditorCaretChanged(); };
            Model = model.get();
            return model;
        });
        Text = std::make_shared<TZpTextObject>();
        Text->Data().SetText(QStringLiteral("Hello big world"));
        Text->Rebuild();
        Session->AddObject(Text);
        Session->SelectObject(Text);
    }
    ~InPlaceEditingTest() override {
        Session.reset();
        SetTextEditorFactory({});
        SetPlainEditorFactory({});
        SetLabelDPI(FOldDpi);
    }
    /// What the design area does on a double click.
    void Begin(const TZpObjectPtr& object) {
        ASSERT_TRUE(Session->BeginInPlaceEdit(object));
        Supports<IZpEdit>(object)->BeginEdit(nullptr, {});
    }
    /// The text of each run with a '*' around the bold ones.
    static QString Marked(TZpTextObject& text) {
        QString out;
        const TZpRVData& doc = text.RVData();
        for (const TZpParagraph& p : doc.Paragraphs()) {
            if (!out.isEmpty())
                out += u'|';
            for (const TZpRun& run : p.Runs) {
                const bool bold = doc.TextStyles()[size_t(run.Style)].Style & fsBold;
                out += bold ? u'*' + run.Text + u'*' : run.Text;
            }
        }
        return out;
    }

    int FOldDpi = LabelDPI();
    std::unique_ptr<TZpEditSession> Session;
    std::shared_ptr<TZpTextObject> Text;
    TZpTextEditModel* Model = nullptr;
};

TEST_F(InPlaceEditingTest, BoldOneWordThenUndoRestoresTheObject) {
    const QByteArray before = Text->RVData().SaveContent();
    Begin(Text);
    EXPECT_TRUE(Session->IsEditing());
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Editing"));
    ASSERT_NE(Model, nullptr);
    Model->SelectWordAt(7);
    EXPECT_EQ(Model->SelectedText(), QStringLiteral("big"));
    // The Font toolbar's Bold while the editor is open: recorded nowhere.
    SetFontBold(*Session, true, true);
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Editing"));
    Session->EndInPlaceEdit();
    EXPECT_FALSE(Session->IsEditing());

    auto* font = Supports<IZpFont>(Text);
    EXPECT_FALSE(font->IsBoldUniform());
    EXPECT_TRUE(font->IsNameUniform());
    EXPECT_EQ(Marked(*Text), QStringLiteral("Hello *big* world"));
    EXPECT_EQ(Text->Data().GetText(), QStringLiteral("Hello big world"));
    EXPECT_TRUE(Session->Modified());

    Session->Undo();
    EXPECT_TRUE(Supports<IZpFont>(Text)->IsBoldUniform());
    EXPECT_EQ(Marked(*Text), QStringLiteral("Hello big world"));
    EXPECT_EQ(Text->RVData().SaveContent(), before);
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Add Object"));
}

TEST_F(InPlaceEditingTest, CaretFormatGoesIntoTheFontAndTypedTextTakesIt) {
    Begin(Text);
    // Bold with no selection: the next typed text is bold.
    SetFontBold(*Session, true, true);
    Model->Insert(QStringLiteral("!"));
    EXPECT_TRUE(Text->Font().GetStyle() & fsBold);
    Model->SetCaret(2);
    EXPECT_FALSE(Text->Font().GetStyle() & fsBold) << "the caret in plain text";
    Model->SetCaret(Model->Length());
    EXPECT_TRUE(Text->Font().GetStyle() & fsBold);
    Session->EndInPlaceEdit();
    EXPECT_EQ(Marked(*Text), QStringLiteral("Hello big world*!*"));
    EXPECT_TRUE(Text->Font().GetStyle() & fsBold) << "the caret's format stays in the font";
    EXPECT_EQ(Text->GetEditZoom(), 100);
}

TEST_F(InPlaceEditingTest, LinkedObjectsReadTheEditedTextWhenTheEditEnds) {
    const QString name = Text->Data().GetName();
    ASSERT_FALSE(name.isEmpty());
    auto linked = std::make_shared<TZpTextObject>();
    Session->AddObject(linked);
    linked->Data().SetKind(dkLink);
    linked->Data().SetLinkName(name);
    Begin(Text);
    Model->SelectAll();
    Model->Insert(QStringLiteral("new\ntext"));
    Session->EndInPlaceEdit();
    EXPECT_EQ(Text->Data().GetText(), QStringLiteral("new\r\ntext"));
    EXPECT_EQ(linked->Data().GetText(), QStringLiteral("new\r\ntext"));
}

TEST_F(InPlaceEditingTest, UndoAndReplacingTheLabelEndTheEditFirst) {
    Begin(Text);
    Model->SetCaret(0);
    Model->Insert(QStringLiteral(">"));
    Session->Undo(); // ends the edit, which stores ">Hello...", then undoes it
    EXPECT_FALSE(Session->IsEditing());
    EXPECT_EQ(Text->RVData().PlainText(), QStringLiteral("Hello big world"));
    Session->Redo();
    EXPECT_EQ(Text->RVData().PlainText(), QStringLiteral(">Hello big world"));

    Begin(Text);
    Session->NewLabel();
    EXPECT_FALSE(Session->IsEditing());
    EXPECT_FALSE(Text->IsEditing());
}

TEST_F(InPlaceEditingTest, OnlyStaticTextIsEditedInPlace) {
    Text->Data().SetKind(dkDateTime);
    EXPECT_FALSE(Session->BeginInPlaceEdit(Text));
    EXPECT_FALSE(Session->IsEditing());
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Add Object"));
}

struct TextEditCase {
    const char* name;
    const char* text; // '\n' between paragraphs
    qsizetype anchor, caret;
    const char* insert; // nullptr: backspace; "" : delete forward
    const char* expected;
    qsizetype expectedCaret;
};

const TextEditCase kEdits[] = {
    {"InsertReplacesTheSelection", "Hello world", 0, 5, "Bye", "Bye world", 3},
    {"EnterSplitsAParagraph", "ab", 1, 1, "\n", "a|b", 2},
    {"PastedLinesBecomeParagraphs", "ab", 1, 1, "x\r\ny", "ax|yb", 4},
    {"BackspaceAtAParagraphStartJoins", "a\nb", 2, 2, nullptr, "ab", 1},
    {"DeleteAtAParagraphEndJoins", "a\nb", 1, 1, "", "ab", 1},
    {"DeleteAcrossParagraphs", "abc\ndef\nghi", 2, 9, "", "abhi", 2},
    {"BackspaceAtTheStartDoesNothing", "ab", 0, 0, nullptr, "ab", 0},
    {"DeleteAtTheEndDoesNothing", "ab", 2, 2, "", "ab", 2},
    {"EverythingDeletedLeavesOneEmptyParagraph", "a\nb", 0, 3, "", "", 0},
};

class TextEditTest : public InPlaceEditingTest, public ::testing::WithParamInterface<TextEditCase> {};

TEST_P(TextEditTest, EditsTheParagraphs) {
    const TextEditCase& c = GetParam();
    Text->Data().SetText(QString::fromUtf8(c.text));
    Text->Rebuild();
    TZpTextEditModel model(*Text);
    model.SetCaret(c.anchor);
    model.SetCaret(c.caret, true);
    if (!c.insert)
        model.DeleteBackward();
    else if (*c.insert == 0)
        model.DeleteForward();
    else
        model.Insert(QString::fromUtf8(c.insert));
    QStringList paragraphs;
    for (const TZpParagraph& p : model.Document().Paragraphs()) {
        QString s;
        for (const TZpRun& run : p.Runs)
            s += run.Text;
        paragraphs << s;
    }
    EXPECT_EQ(paragraphs.join(u'|'), QString::fromUtf8(c.expected));
    EXPECT_EQ(model.Caret(), c.expectedCaret);
    EXPECT_FALSE(model.HasSelection());
}

INSTANTIATE_TEST_SUITE_P(Text, TextEditTest, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

// A bar code's editor: only the text it holds matters here.
class FakePlainEditor : public IZpPlainEditor {
public:
    explicit FakePlainEditor(QString text) : FText(std::move(text)) {}
    [[nodiscard]] QString Text() const override { return FText; }
    void Cut() override {}
    void Copy() override {}
    void Paste() override {}
    void Close() override {}
    QString FText;
};

TEST_F(InPlaceEditingTest, BarcodeTextIsValidatedWhenTheEditEnds) {
    TZpScriptedDialogsGuard dialogs;
    auto code = std::make_shared<TZpBarcodeObject>();
    Session->AddObject(code);
    const QString old = code->Data().GetText();
    FakePlainEditor* editor = nullptr;
    SetPlainEditorFactory([&](QWidget*, const TRect&, const QString& text) {
        auto e = std::make_unique<FakePlainEditor>(text);
        editor = e.get();
        return e;
    });
    const struct {
        const char* typed;
        std::optional<TZpAnswer> answer; // to the validation message
        bool stored;
    } cases[] = {
        {"67890", std::nullopt, true},
        {"caf\xe9", TZpAnswer::Ok, false}, // beyond ASCII: Code 39 refuses it
        {"caf\xe9", TZpAnswer::Ignore, true},
    };
    for (const auto& c : cases) {
        code->Data().SetText(old);
        dialogs->Clear();
        if (c.answer)
            dialogs->Queue(*c.answer);
        Begin(code);
        ASSERT_TRUE(code->IsEditing());
        EXPECT_EQ(editor->FText, old);
        editor->FText = QString::fromLatin1(c.typed);
        Session->EndInPlaceEdit();
        EXPECT_FALSE(code->IsEditing());
        EXPECT_EQ(dialogs->Questions().size(), c.answer ? 1u : 0u) << c.typed;
        EXPECT_EQ(code->Data().GetText(), c.stored ? QString::fromLatin1(c.typed) : old) << c.typed;
    }
}

} // namespace
} // namespace zp
