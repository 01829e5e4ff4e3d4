// SPDX-License-Identifier: MIT
// The tools on a design area on the offscreen platform, driven with QTest
// mouse and key events.
#include "design/tools/ToolBox.h"
#include "design/view/DesignArea.h"
#include "design/view/InPlaceEditors.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zp {
namespace {

class ToolsWidgetTest : public ::testing::Test {
protected:
    ToolsWidgetTest() {
        Session = std::make_unique<TZpEditSession>(100);
        TZpIDEProperties& ide = Session->Environment();
        ide.RulerWidth = 75; // 24 pixels at 96 per inch
        ide.SnapToRulers = false;
        ide.SnapToGuides = false;
        Session->Document().Layout().Width = 4.0f;
        Session->Document().Layout().Height = 3.0f;
        Area = std::make_unique<TZpDesignArea>(*Session);
        Area->SetScreenPixelsPerInch(96);
        Area->resize(600, 450);
        Area->show();
        Area->RefreshView();
        Box = std::make_unique<TZpToolBox>(*Area);
        Box->EditOnDrop = false;
    }
    ~ToolsWidgetTest() override {
        Box.reset();
        Area.reset();
        Session.reset();
    }
    QWidget* View() { return Area->viewport(); }
    /// QTest sends no release after the double click; a real pointer does.
    void DoubleClick(QPoint at) {
        QTest::mouseDClick(View(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, at);
    }
    /// A device point for a label point in inches.
    QPoint At(double x, double y) { return Area->LabelToDevice({int(x * 300), int(y * 300)}); }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {},
              Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(View(), button, mods, from);
        QTest::mouseMove(View(), (from + to) / 2);
        QTest::mouseMove(View(), to);
        QTest::mouseRelease(View(), button, mods, to);
    }

    test::TLabelDpiGuard FDpi{300};
    std::unique_ptr<TZpEditSession> Session;
    std::unique_ptr<TZpDesignArea> Area;
    std::unique_ptr<TZpToolBox> Box;
};

TEST_F(ToolsWidgetTest, EveryDrawingToolMakesItsObjectAndHandsBackToThePointer) {
    // Palette order: text, rectangle, round rectangle, circle, line,
    // constrained line, bar code, picture.
    for (int n = 1; n <= 8; ++n) {
        Box->SetToolNumber(n);
        const QString cls = Box->ToolClassName();
        const double y = 0.25 * n;
        if (n % 2 == 1)
            QTest::mouseClick(View(), Qt::LeftButton, {}, At(0.5, y));
        else
            Drag(At(1.5, y), At(0.5, y + 0.25)); // right to left
        ASSERT_EQ(Session->ControlCount(), n) << cls.toStdString();
        const TZpObjectPtr o = Session->Objects().back();
        EXPECT_EQ(o->GetClassName(), cls);
        EXPECT_EQ(Session->Selection(), TZpObjectList{o});
        EXPECT_EQ(Box->ToolNumber(), 0);
        const TRect b = o->GetBounds();
        if (n % 2 == 1) {
            EXPECT_EQ(b.TopLeft(), (TPoint{150, int(y * 300)})) << cls.toStdString();
            EXPECT_EQ(b.Width(), CreateObject(cls)->GetBounds().Width());
        } else if (cls == QStringLiteral("TZpLineObject")) {
            EXPECT_EQ(b, (TRect{450, int(y * 300), 150, int(y * 300) + 75})); // starts at the press
        } else if (cls != QStringLiteral("TZpLineConstraint")) {
            EXPECT_EQ(b, (TRect{150, int(y * 300), 450, int(y * 300) + 75})) << cls.toStdString();
        }
    }
    for (int n = 0; n < 8; ++n)
        Session->Undo();
    EXPECT_EQ(Session->ControlCount(), 0);
}

TEST_F(ToolsWidgetTest, PointerMovesResizesBandsAndEscapeCancels) {
    Box->SetToolNumber(2);
    Drag(At(1, 1), At(2, 2));
    const TZpObjectPtr rect = Session->Objects().back();
    ASSERT_EQ(rect->GetBounds(), (TRect{300, 300, 600, 600}));
    // Move by half an inch.
    Drag(At(1.5, 1.5), At(2, 1.5));
    EXPECT_EQ(rect->GetBounds(), (TRect{450, 300, 750, 600}));
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Move"));
    // The bottom-right handle lies 5 pixels outside the corner.
    const QPoint corner = Area->LabelToDevice({750, 600}) + QPoint(4, 4);
    Drag(corner, corner + QPoint(48, 96));
    EXPECT_EQ(rect->GetBounds(), (TRect{450, 300, 900, 900}));
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Resize"));
    // Esc during a move puts it back.
    QTest::mousePress(View(), Qt::LeftButton, {}, At(2, 2));
    QTest::mouseMove(View(), At(2.5, 2.5));
    EXPECT_NE(rect->GetBounds(), (TRect{450, 300, 900, 900}));
    QTest::keyClick(View(), Qt::Key_Escape);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, At(2.5, 2.5));
    EXPECT_EQ(rect->GetBounds(), (TRect{450, 300, 900, 900}));
    // A press whose release never came is dropped at the next press.
    QTest::mousePress(View(), Qt::LeftButton, {}, At(2, 2));
    QTest::mouseMove(View(), At(2.5, 2.5));
    QTest::mousePress(View(), Qt::LeftButton, {}, At(3.8, 2.8));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, At(3.8, 2.8));
    EXPECT_EQ(rect->GetBounds(), (TRect{450, 300, 900, 900}));
    // A band over empty space from outside selects what it meets.
    QTest::mouseClick(View(), Qt::LeftButton, {}, At(3.8, 2.8));
    EXPECT_EQ(Session->SelectedCount(), 0);
    Drag(At(3.8, 2.8), At(2.9, 2.9));
    EXPECT_EQ(Session->SelectedCount(), 1);
    Session->Undo();
    Session->Undo();
    Session->Undo();
    EXPECT_EQ(Session->ControlCount(), 0);
}

TEST_F(ToolsWidgetTest, PropertyDialogsOfTheToolsAreOneStepOfUndoOnOkOnly) {
    TZpScriptedDialogsGuard dialogs;
    // The right button while drawing opens the new object's properties.
    Box->SetToolNumber(2);
    dialogs->Queue(true);
    Drag(At(1, 1), At(2, 2), {}, Qt::RightButton);
    ASSERT_EQ(Session->ControlCount(), 1);
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Object Properties"));
    // Alt+double-click on an object: Cancel records nothing, OK one event.
    const int events = Session->UndoStack().UndoCount();
    for (const bool ok : {false, true}) {
        dialogs->Queue(ok);
        QTest::mouseDClick(View(), Qt::LeftButton, Qt::AltModifier, At(1.5, 1.5));
        QTest::mouseRelease(View(), Qt::LeftButton, Qt::AltModifier, At(1.5, 1.5));
    }
    EXPECT_EQ(dialogs->Questions().size(), 3u);
    EXPECT_EQ(Session->UndoStack().UndoCount(), events + 1);
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Object Properties"));
    while (Session->CanUndo())
        Session->Undo();
    EXPECT_EQ(Session->ControlCount(), 0);
}

TEST_F(ToolsWidgetTest, ArrowsGoToTheNudgeHookAndDeleteRemovesTheSelection) {
    QPoint seen;
    Box->Nudge = [&](int dx, int dy) { seen += QPoint(dx, dy); };
    Area->setFocus();
    QTest::keyClick(Area.get(), Qt::Key_Left);
    QTest::keyClick(Area.get(), Qt::Key_Down);
    EXPECT_EQ(seen, QPoint(-1, 1));
    Box->SetToolNumber(4);
    QTest::mouseClick(View(), Qt::LeftButton, {}, At(1, 1));
    ASSERT_EQ(Session->SelectedCount(), 1);
    QTest::keyClick(Area.get(), Qt::Key_Delete);
    EXPECT_EQ(Session->ControlCount(), 0);
    EXPECT_EQ(Session->UndoCommandCaption(), QStringLiteral("&Undo Delete Object"));
}

// As a user does it: draw a text, double-click it, type, double-click a word,
// Ctrl+B, Escape; then a click beside a second edit ends it.
TEST_F(ToolsWidgetTest, TextIsEditedInPlaceOverTheObject) {
    Box->SetToolNumber(1);
    QTest::mouseClick(View(), Qt::LeftButton, {}, At(0.5, 0.5));
    ASSERT_EQ(Session->ControlCount(), 1);
    auto text = std::dynamic_pointer_cast<TZpTextObject>(Session->Objects().back());
    ASSERT_TRUE(text);
    DoubleClick(At(0.7, 0.6));
    auto* editor = View()->findChild<TZpTextEditorWidget*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(Session->IsEditing());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry().topLeft(), At(0.5, 0.5));
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral(" of mine"));
    QTest::keyClick(editor, Qt::Key_Left, Qt::ControlModifier);
    // The word under the point: "mine" starts where the caret now stands.
    QTest::mouseDClick(editor, Qt::LeftButton, {}, editor->CaretRect().center() + QPoint(4, 0));
    QTest::keyClick(editor, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Escape);
    QTest::qWait(0);
    EXPECT_FALSE(Session->IsEditing());
    EXPECT_EQ(text->Data().GetText(), QStringLiteral("Sample Text of mine"));
    EXPECT_FALSE(Supports<IZpFont>(text)->IsBoldUniform());
    const TZpRVData& doc = text->RVData();
    ASSERT_EQ(doc.Paragraphs().size(), 1u);
    ASSERT_EQ(doc.Paragraphs()[0].Runs.size(), 2u);
    EXPECT_EQ(doc.Paragraphs()[0].Runs[1].Text, QStringLiteral("mine"));
    EXPECT_TRUE(doc.TextStyles()[size_t(doc.Paragraphs()[0].Runs[1].Style)].Style & fsBold);

    // With snapping the release is snapped and the press is not: still a double click.
    Session->Environment().SnapToRulers = true;
    DoubleClick(At(0.71, 0.61));
    ASSERT_TRUE(Session->IsEditing());
    QTest::mouseClick(View(), Qt::LeftButton, {}, At(3, 2.5));
    EXPECT_FALSE(Session->IsEditing());
    Session->Undo();
    Session->Undo();
    EXPECT_EQ(text->Data().GetText(), QStringLiteral("Sample Text"));
    EXPECT_TRUE(Supports<IZpFont>(text)->IsBoldUniform());
}

} // namespace
} // namespace zp
