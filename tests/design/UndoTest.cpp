// SPDX-License-Identifier: MIT
// Undo items swap their state with the object's; the stack keeps its levels,
// drops redo on a new event and never merges.
#include "design/edit/Undo.h"

#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace zp {
namespace {

struct TItemCase {
    const char* Name;
    const char* ClassName;
    std::function<std::unique_ptr<TZpUndoEventItem>(TZpObjectPtr)> Make;
    std::function<void(TZpObject&)> Change;
    /// What the item is about, as text, to compare before and after.
    std::function<QString(TZpObject&)> State;
};

QString Bounds(TZpObject& o) {
    const TRect r = o.GetBounds();
    return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}
IZpFont& Font(TZpObject& o) {
    return *Supports<IZpFont>(&o);
}
template <class T> std::function<std::unique_ptr<TZpUndoEventItem>(TZpObjectPtr)> Make() {
    return [](TZpObjectPtr o) { return std::make_unique<T>(std::move(o)); };
}

const TItemCase kItemCases[] = {
    {"Rect", "TZpRectangleObject", Make<TZpUndoRectEventItem>(),
     [](TZpObject& o) {
         o.SetBounds({10, 20, 400, 300});
     },
     Bounds},
    {"Rotate", "TZpTextObject", Make<TZpUndoRotateItem>(),
     [](TZpObject& o) { Supports<IZpRotation>(&o)->SetRotation(90); },
     [](TZpObject& o) { return QString::number(Supports<IZpRotation>(&o)->GetRotation()); }},
    {"FillStyle", "TZpRectangleObject", Make<TZpUndoFillStyleItem>(),
     [](TZpObject& o) {
         auto* f = Supports<IZpFillStyle>(&o);
         f->SetColor(0x0000FF);
         f->SetStyle(bsCross);
         f->SetTransparent(!f->GetTransparent());
     },
     [](TZpObject& o) {
         auto* f = Supports<IZpFillStyle>(&o);
         return QStringLiteral("%1/%2/%3").arg(f->GetColor()).arg(f->GetStyle()).arg(f->GetTransparent());
     }},
    {"LineStyle", "TZpLineObject", Make<TZpUndoLineStyleItem>(),
     [](TZpObject& o) {
         auto* l = Supports<IZpLineStyle>(&o);
         l->SetStyle(psDot);
         l->SetColor(0x00FF00);
         l->SetWidth(l->GetWidth() + 7);
     },
     [](TZpObject& o) {
         auto* l = Supports<IZpLineStyle>(&o);
         return QStringLiteral("%1/%2/%3").arg(l->GetStyle()).arg(l->GetColor()).arg(l->GetWidth());
     }},
    {"FontAlign", "TZpTextObject", Make<TZpUndoFontAlignItem>(),
     [](TZpObject& o) { Font(o).SetAlignment(taRight); },
     [](TZpObject& o) { return QString::number(Font(o).GetAlignment()); }},
    {"FontName", "TZpTextObject", Make<TZpUndoFontNameItem>(),
     [](TZpObject& o) { Font(o).SetName(QStringLiteral("Courier New")); },
     [](TZpObject& o) { return Font(o).GetName(); }},
    {"FontSize", "TZpTextObject", Make<TZpUndoFontSizeItem>(), [](TZpObject& o) { Font(o).SetSize(31); },
     [](TZpObject& o) { return QString::number(Font(o).GetSize()); }},
    {"FontColor", "TZpTextObject", Make<TZpUndoFontColorItem>(),
     [](TZpObject& o) { Font(o).SetColor(0x123456); },
     [](TZpObject& o) { return QString::number(Font(o).GetColor()); }},
    {"FontBold", "TZpTextObject", Make<TZpUndoFontBoldItem>(), [](TZpObject& o) { Font(o).SetBold(true); },
     [](TZpObject& o) { return QString::number(Font(o).GetStyle()); }},
    {"FontItalic", "TZpTextObject", Make<TZpUndoFontItalicItem>(),
     [](TZpObject& o) { Font(o).SetItalic(true); },
     [](TZpObject& o) { return QString::number(Font(o).GetStyle()); }},
    {"FontUnderline", "TZpTextObject", Make<TZpUndoFontUnderlineItem>(),
     [](TZpObject& o) { Font(o).SetUnderline(true); },
     [](TZpObject& o) { return QString::number(Font(o).GetStyle()); }},
    // The whole record: bounds and text together.
    {"Object", "TZpTextObject", Make<TZpUndoObjectItem>(),
     [](TZpObject& o) {
         o.SetBounds({5, 5, 900, 90});
         Supports<IZpData>(&o)->SetText(QStringLiteral("changed"));
     },
     [](TZpObject& o) { return Bounds(o) + QLatin1Char('|') + Supports<IZpData>(&o)->GetText(); }},
};

class UndoItemTest : public ::testing::TestWithParam<TItemCase> {};

TEST_P(UndoItemTest, UndoRestoresAndRedoReappliesBySwapping) {
    const TItemCase& c = GetParam();
    TZpObjectPtr object = CreateObject(QString::fromLatin1(c.ClassName));
    ASSERT_TRUE(object);
    const QString before = c.State(*object);
    auto event = std::make_shared<TZpUndoEvent>(QStringLiteral("Change"));
    event->AddItem(c.Make(object));
    c.Change(*object);
    const QString after = c.State(*object);
    ASSERT_NE(before, after);

    TZpUndoStack stack(100);
    stack.PushEvent(event);
    stack.Undo();
    EXPECT_EQ(c.State(*object), before);
    stack.Redo();
    EXPECT_EQ(c.State(*object), after);
    stack.Undo();
    EXPECT_EQ(c.State(*object), before);
}

INSTANTIATE_TEST_SUITE_P(Items, UndoItemTest, ::testing::ValuesIn(kItemCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(UndoItemTest, UndoingClearBoldRestoresBoldAndRedoClearsIt) {
    TZpObjectPtr text = CreateObject(QStringLiteral("TZpTextObject"));
    Font(*text).SetBold(true);
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::ClearBold));
    event->AddItem(std::make_unique<TZpUndoFontBoldItem>(text));
    Font(*text).SetBold(false);
    TZpUndoStack stack(100);
    stack.PushEvent(event);
    stack.Undo();
    EXPECT_TRUE(Font(*text).GetStyle() & fsBold);
    stack.Redo();
    EXPECT_FALSE(Font(*text).GetStyle() & fsBold);
}

// A stack of moves of one object, each its own event.
struct TMoves {
    TZpObjectPtr Object = CreateObject(QStringLiteral("TZpRectangleObject"));
    TZpUndoStack Stack;
    explicit TMoves(int levels) : Stack(levels) {}
    void Move(int left, const char* caption = UndoCaption::Move) {
        auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(caption));
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(Object));
        TRect r = Object->GetBounds();
        r.Right += left - r.Left;
        r.Left = left;
        Object->SetBounds(r);
        Stack.PushEvent(event);
    }
};

TEST(UndoStackTest, FullListDropsOldestEvent) {
    TMoves moves(3);
    for (int left : {10, 20, 30, 40})
        moves.Move(left);
    EXPECT_EQ(moves.Stack.UndoCount(), 3);
    while (moves.Stack.CanUndo())
        moves.Stack.Undo();
    // The first move (0 -> 10) is gone.
    EXPECT_EQ(moves.Object->GetBounds().Left, 10);
    EXPECT_EQ(moves.Stack.RedoCount(), 3);
}

TEST(UndoStackTest, NewEventDiscardsRedoAndCaptionsFollowTheLists) {
    TMoves moves(100);
    EXPECT_EQ(moves.Stack.UndoCaption(), QString());
    moves.Move(10, UndoCaption::Move);
    moves.Move(20, UndoCaption::Nudge);
    EXPECT_EQ(moves.Stack.UndoCaption(), QStringLiteral("Nudge"));
    moves.Stack.Undo();
    EXPECT_EQ(moves.Stack.UndoCaption(), QStringLiteral("Move"));
    EXPECT_EQ(moves.Stack.RedoCaption(), QStringLiteral("Nudge"));
    moves.Move(30, UndoCaption::Resize);
    EXPECT_FALSE(moves.Stack.CanRedo());
    EXPECT_EQ(moves.Stack.RedoCaption(), QString());
    // Never merged: two events of the same kind stay two.
    moves.Move(40, UndoCaption::Resize);
    EXPECT_EQ(moves.Stack.UndoCount(), 3);
}

TEST(UndoStackTest, LevelsAreHeldWithinOneAndNineHundredNinetyNine) {
    // A stored 0 or a negative depth would otherwise keep nothing or loop.
    EXPECT_EQ(TZpUndoStack(0).Levels(), 1);
    EXPECT_EQ(TZpUndoStack(-5).Levels(), 1);
    EXPECT_EQ(TZpUndoStack(5000).Levels(), 999);
    TMoves moves(0);
    moves.Move(10);
    moves.Move(20);
    EXPECT_EQ(moves.Stack.UndoCount(), 1);
}

} // namespace
} // namespace zp
