// SPDX-License-Identifier: MIT
// The editing session without a window: objects, selection, guides, hit
// tests and the one change notification.
#include "design/edit/EditSession.h"

#include "base/ValueStream.h"
#include "design/edit/Arrange.h"
#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/store/SettingsStore.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace zp {
namespace {

class EditSessionTest : public ::testing::Test {
protected:
    TZpObjectPtr Add(const char* className, TRect bounds) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        Session.AddObject(o);
        return o;
    }
    /// The changes of every signal raised while fn runs.
    std::vector<TZpChanges> Signals(const std::function<void()>& fn) {
        std::vector<TZpChanges> seen;
        auto c =
            QObject::connect(&Session, &TZpEditSession::Changed, [&](TZpChanges ch) { seen.push_back(ch); });
        fn();
        QObject::disconnect(c);
        return seen;
    }
    QString Names() const {
        QStringList names;
        for (const TZpObjectPtr& o : Session.Objects())
            names << Supports<IZpData>(o)->GetName();
        return names.join(QLatin1Char(' '));
    }

    TZpEditSession Session{100};
    test::TLabelDpiGuard FDpi{300};
};

TEST_F(EditSessionTest, AddedTextObjectsGetUniqueNamesAndUndoRemovesThemFromTheSelection) {
    TZpObjectPtr a = Add("TZpTextObject", {0, 0, 300, 150});
    Add("TZpTextObject", {0, 0, 300, 150});
    TZpObjectPtr c = Add("TZpTextObject", {0, 0, 300, 150});
    Add("TZpBarcodeObject", {0, 0, 300, 150});
    EXPECT_EQ(Names(), QStringLiteral("TEXT_1 TEXT_2 TEXT_3 BARCODE_1"));
    // A copy carrying a taken name is renamed.
    TZpObjectPtr copy = a->Clone();
    Session.AddObject(copy);
    EXPECT_EQ(Supports<IZpData>(copy)->GetName(), QStringLiteral("TEXT_4"));
    EXPECT_TRUE(Session.Modified());
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Add Object"));

    Session.SelectObject(copy);
    Session.SelectObject(c);
    Session.Undo();
    EXPECT_EQ(Session.ControlCount(), 4);
    EXPECT_EQ(Session.SelectedCount(), 1);
    EXPECT_EQ(Session.LastSelected(), c);
    Session.Redo();
    EXPECT_EQ(Session.Objects().back(), copy);
}

TEST_F(EditSessionTest, UndoingADeletePutsObjectsBackInTheirFormerDrawingOrder) {
    TZpObjectPtr bottom = Add("TZpRectangleObject", {0, 0, 100, 100});
    TZpObjectPtr middle = Add("TZpCircleObject", {0, 0, 100, 100});
    TZpObjectPtr top = Add("TZpLineObject", {0, 0, 100, 100});
    TZpObjectPtr other = Add("TZpRectangleObject", {200, 0, 300, 100});
    // Selected against the drawing order.
    Session.SelectObject(top);
    Session.SelectObject(bottom);
    Session.SelectObject(middle);
    Session.DeleteSelected();
    ASSERT_EQ(Session.Objects(), TZpObjectList({other}));
    EXPECT_EQ(Session.SelectedCount(), 0);

    Session.Undo();
    EXPECT_EQ(Session.Objects(), TZpObjectList({bottom, middle, top, other}));
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Add Object"));
    EXPECT_EQ(Session.RedoCommandCaption(), QStringLiteral("&Redo Delete Object"));
    Session.Redo();
    EXPECT_EQ(Session.Objects(), TZpObjectList({other}));
    Session.Undo();
    EXPECT_EQ(Session.Objects(), TZpObjectList({bottom, middle, top, other}));
}

TEST_F(EditSessionTest, EveryOperationRaisesOneSignalAndUndoDoesNotMarkModified) {
    TZpObjectPtr rect = Add("TZpRectangleObject", {0, 0, 100, 100});
    Session.SetModified(false);
    auto seen = Signals([&] { Session.SelectObject(rect); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], TZpChanges(TZpChange::Selection));

    seen = Signals([&] { Session.DeleteSelected(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].testFlags(TZpChange::ObjectsRemoved | TZpChange::Selection | TZpChange::Modified |
                                  TZpChange::History));

    Session.SetModified(false);
    seen = Signals([&] { Session.Undo(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].testFlags(TZpChange::ObjectsAdded | TZpChange::History));
    EXPECT_FALSE(Session.Modified());

    // A command of a later layer: change, then push with what changed.
    seen = Signals([&] {
        auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::Nudge));
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(rect));
        rect->SetBounds({1, 0, 101, 100});
        Session.PushEvent(event, TZpChange::ObjectsChanged);
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], TZpChange::ObjectsChanged | TZpChange::History);
    EXPECT_FALSE(Session.Modified());
    EXPECT_FALSE(Session.CanRedo());
}

TEST_F(EditSessionTest, NewLabelClearsObjectsSelectionHistoryAndGuides) {
    TZpObjectPtr rect = Add("TZpRectangleObject", {0, 0, 100, 100});
    Session.SelectObject(rect);
    Session.Environment().FGuidesX = {10};
    Session.Document().SetFileName(QStringLiteral("x.zp3"));
    Session.NewLabel();
    EXPECT_EQ(Session.ControlCount(), 0);
    EXPECT_EQ(Session.SelectedCount(), 0);
    EXPECT_FALSE(Session.CanUndo());
    EXPECT_TRUE(Session.Environment().FGuidesX.isEmpty());
    EXPECT_FALSE(Session.Modified());
    EXPECT_TRUE(Session.Document().FileName().isEmpty());
}

TEST_F(EditSessionTest, NewGuideDroppedBackOnItsRulerRecordsNothing) {
    Session.BeginGuideDrag(TZpGuideAxis::Horizontal, -1);
    Session.DragGuideTo(40);
    Session.EndGuideDrag(-3, true);
    EXPECT_TRUE(Session.Environment().FGuidesY.isEmpty());
    EXPECT_FALSE(Session.CanUndo());
}

TEST_F(EditSessionTest, GuideAddMoveAndDeleteAreEachOneEvent) {
    QList<int32_t>& x = Session.Environment().FGuidesX;
    Session.BeginGuideDrag(TZpGuideAxis::Vertical, -1);
    Session.DragGuideTo(90);
    Session.EndGuideDrag(100, false);
    EXPECT_EQ(x, QList<int32_t>({100}));
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Guide Add"));
    for (int pos : {200, 300}) {
        Session.BeginGuideDrag(TZpGuideAxis::Vertical, 0);
        Session.EndGuideDrag(pos, false);
    }
    EXPECT_EQ(Session.UndoStack().UndoCount(), 3);
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Guide Move"));
    Session.BeginGuideDrag(TZpGuideAxis::Vertical, 0);
    Session.EndGuideDrag(-1, true);
    EXPECT_TRUE(x.isEmpty());
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Guide Delete"));
    EXPECT_TRUE(Session.Modified());

    const QList<QList<int32_t>> expected = {{300}, {200}, {100}, {}};
    for (const auto& e : expected) {
        Session.Undo();
        EXPECT_EQ(x, e);
    }
}

TEST_F(EditSessionTest, UndoingClearGuidesRestoresBothListsWithOrderAndDuplicates) {
    Session.Environment().FGuidesX = {50, 10, 50};
    Session.Environment().FGuidesY = {7, 7, 3};
    Session.ClearGuides();
    EXPECT_TRUE(Session.Environment().FGuidesX.isEmpty());
    EXPECT_TRUE(Session.Environment().FGuidesY.isEmpty());
    Session.Undo();
    EXPECT_EQ(Session.Environment().FGuidesX, QList<int32_t>({50, 10, 50}));
    EXPECT_EQ(Session.Environment().FGuidesY, QList<int32_t>({7, 7, 3}));
}

TEST_F(EditSessionTest, PlaceGuidesAppendsInInchesAndUndoesThroughTheClearing) {
    Session.Environment().FGuidesY = {1};
    Session.PlaceGuides({3, 0.5, 0.25, 2, 1.0, 0.1, false});
    EXPECT_EQ(Session.Environment().FGuidesY, QList<int32_t>({1, 150, 225, 300}));
    EXPECT_EQ(Session.Environment().FGuidesX, QList<int32_t>({300, 330}));

    Session.PlaceGuides({1, 0.0, 0.0, 0, 0, 0, true});
    EXPECT_EQ(Session.Environment().FGuidesY, QList<int32_t>({0}));
    EXPECT_EQ(Session.UndoStack().UndoCount(), 3);
    Session.Undo(); // the second placing
    EXPECT_TRUE(Session.Environment().FGuidesY.isEmpty());
    Session.Undo(); // its clearing
    EXPECT_EQ(Session.Environment().FGuidesY, QList<int32_t>({1, 150, 225, 300}));
    Session.Redo(); // clearing again empties the lists
    EXPECT_TRUE(Session.Environment().FGuidesY.isEmpty());
    Session.Redo();
    EXPECT_EQ(Session.Environment().FGuidesY, QList<int32_t>({0}));
}

TEST_F(EditSessionTest, HitTestsFindHandlesOfTheSelectedAndCycleThroughAStack) {
    // 300 label pixels per inch shown at 96 device pixels per inch, origin (20, 20).
    const TZpViewMapping m = TZpViewMapping::ForZoom(300, 96, 100, 20, 20);
    TZpObjectPtr a = Add("TZpRectangleObject", {0, 0, 300, 300}); // device 20..116
    TZpObjectPtr b = Add("TZpRectangleObject", {100, 100, 400, 400});
    TZpObjectPtr c = Add("TZpRectangleObject", {150, 150, 450, 450});
    const TPoint inAll = m.LabelToDevice({200, 200});
    EXPECT_EQ(Session.HitTest(inAll, m), c);
    EXPECT_EQ(Session.HitTest({300, 300}, m), nullptr);

    // The top-left handle of a selected a, even though nothing else is there.
    Session.SelectObject(a);
    EXPECT_EQ(Session.HitCode(a, {15, 15}, m), hcTopLeft);
    EXPECT_EQ(Session.HitTest({15, 15}, m), a);
    EXPECT_EQ(Session.HitCode(b, {15, 15}, m), hcNone);

    // Ctrl+click cycles below the selected object and wraps round.
    TZpObjectPtr hit = Session.HitTestNext(inAll, m);
    std::vector<TZpObjectPtr> order;
    for (int i = 0; i < 3; ++i) {
        order.push_back(hit);
        Session.ClearSelection();
        Session.SelectObject(hit);
        hit = Session.HitTestNext(inAll, m);
    }
    EXPECT_EQ(order, std::vector<TZpObjectPtr>({c, b, a}));
    EXPECT_EQ(hit, c);

    // A thick line is hit beside it, well past its (flat) bounds.
    TZpObjectPtr line = Add("TZpLineObject", {0, 1000, 300, 1000});
    Supports<IZpLineStyle>(line)->SetWidth(80);
    EXPECT_EQ(Session.HitTest(m.LabelToDevice({150, 1038}), m), line);
    EXPECT_EQ(Session.HitTest(m.LabelToDevice({150, 1060}), m), nullptr);
}

TEST_F(EditSessionTest, SelectingAGroupMemberSelectsTheGroupAndRectSelectionFindsOverlaps) {
    TZpObjectPtr a = Add("TZpRectangleObject", {0, 0, 100, 100});
    TZpObjectPtr b = Add("TZpRectangleObject", {500, 500, 600, 600});
    TZpObjectPtr line = Add("TZpLineObject", {0, 300, 300, 300});
    a->SetGroupId(4);
    b->SetGroupId(4);
    Session.SelectObject(b);
    EXPECT_EQ(Session.Selection(), TZpObjectList({b, a}));
    Session.DeselectObject(a);
    EXPECT_EQ(Session.SelectedCount(), 0);

    Session.SelectInRect({350, 250, 100, 320}); // unnormalised, meets the line only
    EXPECT_EQ(Session.Selection(), TZpObjectList({line}));
    Session.ClearSelection();
    Session.SelectInRect({100, 100, 200, 200}); // touches a's corner: no overlap
    EXPECT_EQ(Session.SelectedCount(), 0);
    Session.SelectInRect({550, 550, 700, 700}); // meets b, which brings its group
    EXPECT_EQ(Session.Selection(), TZpObjectList({b, a}));
}

TEST_F(EditSessionTest, NewGroupIdsAreFreeEvenAfterTheLargestNumber) {
    EXPECT_EQ(Session.NewGroupId(), 1);
    TZpObjectPtr a = Add("TZpRectangleObject", {0, 0, 10, 10});
    TZpObjectPtr b = Add("TZpRectangleObject", {0, 0, 10, 10});
    a->SetGroupId(5);
    EXPECT_EQ(Session.NewGroupId(), 6);
    // A damaged file or clipboard block can carry the largest number: no overflow.
    a->SetGroupId(INT32_MAX);
    b->SetGroupId(1);
    EXPECT_EQ(Session.NewGroupId(), 2);
}

TEST(UndoLevelsTest, ReadFromTheSettingsWithADefaultOfOneHundred) {
    test::ClearStore();
    EXPECT_EQ(TZpUndoStack::LevelsFromSettings(ZpStore()), 100);
    ZpStore().WriteInteger(QStringLiteral("Application Options"), QStringLiteral("Undo Levels"), 3);
    TZpEditSession session;
    EXPECT_EQ(session.UndoStack().Levels(), 3);
    test::ClearStore();
}

// The object's dialog, stood in for by a service that changes the object as
// a confirmed dialog would (or as a cancelled one must not).
class TEditingDialogs : public TZpScriptedDialogs {
public:
    bool Confirm = true;
    bool EditObjectProperties(TZpObject& object) override {
        if (Confirm)
            Supports<IZpFillStyle>(object)->SetColor(clRed);
        return Confirm;
    }
};

TEST_F(EditSessionTest, ObjectPropertiesPushOneEventOnlyOnOkAndUndoRestoresTheRecord) {
    TZpObjectPtr rect = Add("TZpRectangleObject", {0, 0, 300, 150});
    Session.ClearSelection();
    Session.SelectObject(rect);
    Session.SetModified(false);
    const QByteArray before = test::ObjectRecord(*rect);
    auto dialogs = std::make_unique<TEditingDialogs>();
    TEditingDialogs* service = dialogs.get();
    auto previous = SetZpDialogs(std::move(dialogs));
    const int events = Session.UndoStack().UndoCount();

    service->Confirm = false;
    EXPECT_FALSE(EditSelectedProperties(Session, {}));
    EXPECT_EQ(Session.UndoStack().UndoCount(), events);
    EXPECT_FALSE(Session.Modified());

    service->Confirm = true;
    EXPECT_TRUE(EditSelectedProperties(Session, {}));
    SetZpDialogs(std::move(previous));
    EXPECT_EQ(Session.UndoStack().UndoCount(), events + 1);
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Object Properties"));
    EXPECT_TRUE(Session.Modified());
    const QByteArray after = test::ObjectRecord(*rect);
    EXPECT_NE(after, before);
    Session.Undo();
    EXPECT_EQ(test::ObjectRecord(*rect), before);
    Session.Redo();
    EXPECT_EQ(test::ObjectRecord(*rect), after);
}

} // namespace
} // namespace zp
