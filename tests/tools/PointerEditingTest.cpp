// SPDX-License-Identifier: MIT
// Selection by clicks, moving and resizing with the pointer, and new
// objects from a drawing tool, on a session without a window.
#include "design/edit/PointerEditing.h"

#include "base/Errors.h"
#include "design/edit/DroppedObjects.h"
#include "design/edit/InPlaceEdit.h"
#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace zp {
namespace {

class PointerEditingTest : public ::testing::Test {
protected:
    void SetUp() override { Session.Environment().SnapToGuides = false; }

    TZpObjectPtr Add(const char* className, TRect bounds, int group = -1) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        o->SetGroupId(group);
        Session.AddObject(o);
        return o;
    }
    /// "O1", "O2", ... by drawing order.
    QString Name(const TZpObjectPtr& o) const {
        const auto& all = Session.Objects();
        return QStringLiteral("O%1").arg(std::find(all.begin(), all.end(), o) - all.begin() + 1);
    }
    QString Selected() const {
        QStringList names;
        for (const TZpObjectPtr& o : Session.Selection())
            names << Name(o);
        return names.join(QLatin1Char(' '));
    }

    TZpEditSession Session{100};
    test::TLabelDpiGuard FDpi{300};
};

TEST_F(PointerEditingTest, ClicksWithAndWithoutShiftFollowTheSelectionRules) {
    const TZpObjectPtr a = Add("TZpRectangleObject", {0, 0, 100, 100});
    const TZpObjectPtr b = Add("TZpRectangleObject", {200, 0, 300, 100});
    const TZpObjectPtr g1 = Add("TZpRectangleObject", {400, 0, 500, 100}, 7);
    const TZpObjectPtr g2 = Add("TZpRectangleObject", {600, 0, 700, 100}, 7);
    struct Step {
        TZpObjectPtr Object;
        bool Shift;
        const char* Expected;
    };
    const Step steps[] = {
        {a, false, "O1"},       {a, true, "O1"},         // the only selected one stays
        {b, true, "O1 O2"},                              // Shift adds
        {a, true, "O2"},                                 // Shift on one of two removes it
        {b, false, "O2"},                                // a plain click on a selected one keeps the rest
        {g2, false, "O4 O3"},                            // a member brings its whole group
        {a, true, "O4 O3 O1"},  {g1, true, "O1"},        // Shift on a member drops the whole group
        {g1, true, "O1 O3 O4"}, {g1, false, "O1 O3 O4"}, // already selected: nothing changes
    };
    for (const Step& s : steps) {
        ClickSelect(Session, s.Object, s.Shift);
        EXPECT_EQ(Selected(), QString::fromLatin1(s.Expected)) << Name(s.Object).toStdString();
    }
}

TEST_F(PointerEditingTest, CtrlClicksCycleThroughThreeStackedObjects) {
    const TZpObjectPtr low = Add("TZpRectangleObject", {0, 0, 300, 300});
    const TZpObjectPtr mid = Add("TZpRectangleObject", {0, 0, 300, 300});
    const TZpObjectPtr top = Add("TZpRectangleObject", {0, 0, 300, 300});
    const TZpViewMapping m{300, 300, 0, 0};
    ClickSelect(Session, mid, false);
    std::vector<TZpObjectPtr> seen;
    for (int i = 0; i < 3; ++i) {
        ClickSelect(Session, Session.HitTestNext({150, 150}, m), false);
        seen.push_back(Session.LastSelected());
        EXPECT_EQ(Session.SelectedCount(), 1);
    }
    EXPECT_EQ(seen, (std::vector<TZpObjectPtr>{low, top, mid}));
}

TEST_F(PointerEditingTest, DraggedBoundsFollowConstraintsAndNormaliseOnlyBoxes) {
    struct Case {
        const char* Name;
        const char* ClassName;
        TRect Start;
        TZpHitCode Code;
        int Dx, Dy;
        TZpDragConstraint Constraint;
        TRect Expected;
    };
    const Case cases[] = {
        // Ctrl on the bottom-middle handle: the height changes, the width follows (2:1).
        {"aspect bottom",
         "TZpRectangleObject",
         {0, 0, 200, 100},
         hcBottom,
         0,
         50,
         TZpDragConstraint::Aspect,
         {0, 0, 300, 150}},
        {"aspect corner",
         "TZpRectangleObject",
         {0, 0, 200, 100},
         hcBottomRight,
         100,
         7,
         TZpDragConstraint::Aspect,
         {0, 0, 300, 150}},
        {"square",
         "TZpCircleObject",
         {0, 0, 200, 100},
         hcRight,
         50,
         0,
         TZpDragConstraint::Square,
         {0, 0, 250, 250}},
        {"across the left edge",
         "TZpRectangleObject",
         {100, 100, 200, 200},
         hcRight,
         -150,
         0,
         TZpDragConstraint::None,
         {50, 100, 100, 200}},
        {"across the top edge",
         "TZpRectangleObject",
         {100, 100, 200, 200},
         hcBottomLeft,
         0,
         -150,
         TZpDragConstraint::None,
         {100, 50, 200, 100}},
        {"line end across its start",
         "TZpLineObject",
         {100, 100, 200, 200},
         hcLineEnd,
         -150,
         -150,
         TZpDragConstraint::Aspect,
         {100, 100, 50, 50}},
        {"move",
         "TZpRectangleObject",
         {100, 100, 200, 200},
         hcBody,
         10,
         -20,
         TZpDragConstraint::Aspect,
         {110, 80, 210, 180}},
    };
    for (const Case& c : cases) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(c.ClassName));
        o->SetBounds(c.Start);
        const TRect r = DraggedBounds(o, c.Start, c.Code, c.Dx, c.Dy, c.Constraint);
        EXPECT_EQ(r, c.Expected) << c.Name;
    }
}

TEST_F(PointerEditingTest, AspectSizingOfTheObjectUsesItsAspectRectangle) {
    TZpObjectPtr o = CreateObject(QStringLiteral("TZpRectangleObject"));
    o->SetBounds({0, 0, 100, 300});
    o->SetSizing(szAspectRatio); // remembers 1:3
    o->SetBounds({0, 0, 100, 100});
    EXPECT_EQ(DraggedBounds(o, o->GetBounds(), hcRight, 100, 0, TZpDragConstraint::None),
              (TRect{0, 0, 200, 600}));
}

TEST_F(PointerEditingTest, AMoveStopsAtTheOriginForTheWholeSelectionAndUndoes) {
    const TZpObjectPtr a = Add("TZpRectangleObject", {0, 50, 100, 150});
    const TZpObjectPtr b = Add("TZpLineObject", {300, 300, 200, 400}); // drawn right to left
    Session.SelectAll();
    TZpObjectDrag drag(Session, hcBody);
    TZpChanges seen;
    const QMetaObject::Connection watch =
        QObject::connect(&Session, &TZpEditSession::Changed, [&seen](TZpChanges c) { seen |= c; });
    drag.DragTo(-40, -80, TZpDragConstraint::None);
    EXPECT_EQ(a->GetBounds(), (TRect{0, 0, 100, 100}));
    EXPECT_EQ(b->GetBounds(), (TRect{300, 250, 200, 350}));
    // While dragging only the outlines follow; the label is drawn at the end.
    EXPECT_EQ(seen, TZpChanges(TZpChange::Dragging));
    drag.End();
    EXPECT_TRUE(seen & TZpChange::ObjectsChanged);
    QObject::disconnect(watch);
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Move"));
    Session.Undo();
    EXPECT_EQ(a->GetBounds(), (TRect{0, 50, 100, 150}));
    EXPECT_EQ(b->GetBounds(), (TRect{300, 300, 200, 400}));
}

TEST_F(PointerEditingTest, CancelPutsBackAndAClickRecordsNothingButMarksModified) {
    const TZpObjectPtr a = Add("TZpRectangleObject", {100, 100, 200, 200});
    Session.SelectObject(a);
    Session.SetModified(false);
    const QString caption = Session.UndoCommandCaption();
    TZpObjectDrag drag(Session, hcTopLeft);
    drag.DragTo(300, 300, TZpDragConstraint::None);
    EXPECT_EQ(a->GetBounds(), (TRect{200, 200, 400, 400}));
    drag.Cancel();
    EXPECT_EQ(a->GetBounds(), (TRect{100, 100, 200, 200}));
    TZpObjectDrag click(Session, hcBody);
    click.End();
    EXPECT_EQ(Session.UndoCommandCaption(), caption);
    EXPECT_TRUE(Session.Modified());
}

TEST_F(PointerEditingTest, NewObjectsTakeTheBandOnlyBeyondOneTwentiethInch) {
    // 300 dpi: 15 pixels is the threshold.
    struct Case {
        const char* ClassName;
        TRect Band;
        bool Defaults;
        TRect Expected; // when not the defaults
    };
    const Case cases[] = {
        {"TZpTextObject", {50, 60, 50, 60}, true, {}},
        {"TZpTextObject", {50, 60, 65, 75}, true, {}},
        {"TZpRectangleObject", {50, 60, 66, 75}, false, {50, 60, 66, 75}},
        {"TZpLineObject", {400, 60, 100, 200}, false, {400, 60, 100, 200}}, // right to left keeps its start
        {"TZpCircleObject", {50, 60, 50, 90}, false, {50, 60, 50, 90}},
    };
    for (const Case& c : cases) {
        const TRect defaults = CreateObject(QString::fromLatin1(c.ClassName))->GetBounds();
        const TRect r = NewObjectBounds(defaults, c.Band, 300);
        if (c.Defaults)
            EXPECT_EQ(r, (TRect{c.Band.Left, c.Band.Top, c.Band.Left + defaults.Width(),
                                c.Band.Top + defaults.Height()}))
                << c.ClassName;
        else
            EXPECT_EQ(r, c.Expected) << c.ClassName;
    }
}

TEST_F(PointerEditingTest, CreatedObjectsAreAddedNamedSelectedAndKeepTheirDirection) {
    const TZpObjectPtr t1 = CreateObjectInBand(Session, QStringLiteral("TZpTextObject"), {10, 10, 10, 10},
                                               TZpDragConstraint::None);
    const TZpObjectPtr line = CreateObjectInBand(Session, QStringLiteral("TZpLineObject"),
                                                 {500, 100, 100, 300}, TZpDragConstraint::Aspect);
    const TZpObjectPtr t2 = CreateObjectInBand(Session, QStringLiteral("TZpTextObject"), {10, 10, 400, 200},
                                               TZpDragConstraint::Square);
    EXPECT_EQ(Supports<IZpData>(t1)->GetName(), QStringLiteral("TEXT_1"));
    EXPECT_EQ(Supports<IZpData>(t2)->GetName(), QStringLiteral("TEXT_2"));
    EXPECT_EQ(line->GetBounds(), (TRect{500, 100, 100, 300}));
    EXPECT_EQ(line->GetSizing(), szAspectRatio);
    EXPECT_EQ(t2->GetSizing(), szHeightEqualsWidth);
    EXPECT_EQ(Session.Selection(), TZpObjectList{t2});
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Add Object"));
    EXPECT_FALSE(CreateObjectInBand(Session, QStringLiteral("TZpNoSuchObject"), {}, TZpDragConstraint::None));
    for (int i = 0; i < 3; ++i)
        Session.Undo();
    EXPECT_EQ(Session.ControlCount(), 0);
}

} // namespace
} // namespace zp

namespace zp {
namespace {

TEST_F(PointerEditingTest, DroppedPicturesTakeTheirNaturalSizeAndBadFilesAddNothing) {
    QTemporaryDir dir;
    QImage image(150, 60, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setDotsPerMeterX(int(std::lround(150 / 0.0254))); // 150 per inch: 1 x 0.4 inch
    image.setDotsPerMeterY(int(std::lround(150 / 0.0254)));
    const QString png = dir.filePath(QStringLiteral("a.png"));
    ASSERT_TRUE(image.save(png));
    const TZpObjectPtr picture = AddDroppedPicture(Session, png, {30, 40});
    EXPECT_EQ(picture->GetBounds(), (TRect{30, 40, 330, 160}));
    EXPECT_EQ(Session.Selection(), TZpObjectList{picture});

    QFile bad(dir.filePath(QStringLiteral("b.png")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    EXPECT_THROW(AddDroppedPicture(Session, bad.fileName(), {0, 0}), EZpError);
    EXPECT_EQ(Session.ControlCount(), 1);

    const TZpObjectPtr text = AddDroppedText(Session, QStringLiteral("Hello"), {5, 6});
    EXPECT_EQ(Supports<IZpData>(text)->GetText(), QStringLiteral("Hello"));
    EXPECT_EQ(text->GetBounds().TopLeft(), (TPoint{5, 6}));
    EXPECT_FALSE(AddDroppedText(Session, QStringLiteral("  "), {0, 0}));
    Session.Undo();
    Session.Undo();
    EXPECT_EQ(Session.ControlCount(), 0);
}

} // namespace
} // namespace zp

namespace zp {
namespace {

TEST_F(PointerEditingTest, InPlaceEditingRecordsEditingFirstAndRefusesDataDrivenObjects) {
    const TZpObjectPtr text = Add("TZpTextObject", {0, 0, 300, 100});
    const TZpObjectPtr prompt = Add("TZpTextObject", {0, 200, 300, 300});
    Supports<IZpData>(prompt)->SetKind(dkPrompt);
    EXPECT_FALSE(TZpInPlaceEdit::Begin(Session, prompt));
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Add Object"));

    Session.SetModified(false);
    const QString before = Supports<IZpData>(text)->GetText();
    const auto edit = TZpInPlaceEdit::Begin(Session, text);
    ASSERT_TRUE(edit);
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Editing"));
    Supports<IZpData>(text)->SetText(QStringLiteral("Edited"));
    edit->End();
    EXPECT_TRUE(Session.Modified());
    Session.Undo();
    EXPECT_EQ(Supports<IZpData>(text)->GetText(), before);
}

} // namespace
} // namespace zp
