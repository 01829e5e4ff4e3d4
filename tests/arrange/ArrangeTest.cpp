// SPDX-License-Identifier: MIT
// Arrangement and formatting of the selection: every command family checked
// for bounds, drawing order and group numbers after the command, after its
// undo and after its redo.
#include "design/edit/Arrange.h"

#include "base/Errors.h"
#include "base/ValueStream.h"
#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextInterfaces.h"
#include "model/objects/TextObject.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace zp {
namespace {

/// A 4 x 2 inch label at 300 dpi with objects named by letter.
class ArrangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Session.Document().Layout().Width = 4;
        Session.Document().Layout().Height = 2;
    }

    TZpObjectPtr Add(char name, TRect bounds, const char* className = "TZpRectangleObject") {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        Session.AddObject(o);
        FNames[o.get()] = name;
        return o;
    }
    void Select(const std::string& names) {
        Session.ClearSelection();
        for (char c : names)
            for (const TZpObjectPtr& o : Session.Objects())
                if (FNames[o.get()] == c)
                    Session.SelectObject(o);
    }
    /// Drawing order bottom first, each with its bounds and group number.
    std::string State() {
        std::string s;
        for (const TZpObjectPtr& o : Session.Objects()) {
            const TRect r = o->GetBounds();
            s += std::string(1, FNames[o.get()]) + "(" + std::to_string(r.Left) + "," +
                 std::to_string(r.Top) + "," + std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
            if (o->GetGroupId() != -1)
                s += "g" + std::to_string(o->GetGroupId());
            s += " ";
        }
        return s;
    }
    /// Runs the command and checks: one event with the caption, the state
    /// after, and the state before again after undo and after again on redo.
    void Check(const std::function<void()>& command, const char* caption, const std::string& after) {
        const std::string before = State();
        const int events = Session.UndoStack().UndoCount();
        command();
        EXPECT_EQ(State(), after);
        ASSERT_EQ(Session.UndoStack().UndoCount(), events + 1);
        EXPECT_EQ(Session.UndoStack().UndoCaption(), QString::fromLatin1(caption));
        Session.Undo();
        EXPECT_EQ(State(), before);
        Session.Redo();
        EXPECT_EQ(State(), after);
        Session.Undo();
    }
    /// The command changes nothing and records nothing.
    void CheckNothing(const std::function<void()>& command) {
        const std::string before = State();
        const int events = Session.UndoStack().UndoCount();
        command();
        EXPECT_EQ(State(), before);
        EXPECT_EQ(Session.UndoStack().UndoCount(), events);
    }

    TZpEditSession Session{100};
    std::map<const TZpObject*, char> FNames;
    test::TLabelDpiGuard FDpi{300};
};

struct TAlignCase {
    TZpAlign Kind;
    std::string Selection;
    std::string After;
};

TEST_F(ArrangeTest, AlignMovesEveryLaterObjectToTheFirstSelected) {
    Add('A', {100, 100, 200, 150});
    Add('B', {300, 50, 450, 250});
    Add('C', {10, 400, 61, 421});
    const TAlignCase cases[] = {
        // The reference is the first selected, not the first in the label.
        {TZpAlign::Left, "BA", "A(300,100,400,150) B(300,50,450,250) C(10,400,61,421) "},
        {TZpAlign::Top, "ABC", "A(100,100,200,150) B(300,100,450,300) C(10,100,61,121) "},
        {TZpAlign::Right, "AC", "A(100,100,200,150) B(300,50,450,250) C(149,400,200,421) "},
        // Objects stop at the label's top and left edges.
        {TZpAlign::Bottom, "AB", "A(100,100,200,150) B(300,0,450,200) C(10,400,61,421) "},
        {TZpAlign::VerticalCentres, "AB", "A(100,100,200,150) B(300,25,450,225) C(10,400,61,421) "},
        // C's centre is 10 + 51 div 2 = 35.
        {TZpAlign::HorizontalCentres, "CA", "A(0,100,100,150) B(300,50,450,250) C(10,400,61,421) "},
        // The label's centre is at 600 x 300; every selected object moves.
        {TZpAlign::CentreInLabelHorizontally, "AB", "A(550,100,650,150) B(525,50,675,250) C(10,400,61,421) "},
        {TZpAlign::CentreInLabelVertically, "AC", "A(100,275,200,325) B(300,50,450,250) C(10,290,61,311) "},
    };
    for (const TAlignCase& c : cases) {
        SCOPED_TRACE(int(c.Kind));
        Select(c.Selection);
        Check([&] { AlignObjects(Session, c.Kind); }, "Align", c.After);
    }
}

TEST_F(ArrangeTest, DistributeMakesEqualGapsBetweenThreeOrMore) {
    Add('A', {0, 0, 100, 10});
    Add('B', {500, 100, 550, 110});
    Add('C', {150, 250, 170, 260});
    Add('D', {1000, 0, 1100, 10});
    Select("DBAC");
    // Free space 900 - 70 = 830 in three gaps of 276.67: C at 377, B at 673.
    Check([&] { DistributeObjects(Session, true); }, "Distribute Horizontally",
          "A(0,0,100,10) B(673,100,723,110) C(377,250,397,260) D(1000,0,1100,10) ");
    Select("ABC");
    Check([&] { DistributeObjects(Session, false); }, "Distribute Vertically",
          "A(0,0,100,10) B(500,125,550,135) C(150,250,170,260) D(1000,0,1100,10) ");
    // Gaps already equal: nothing to record.
    DistributeObjects(Session, false);
    CheckNothing([&] { DistributeObjects(Session, false); });
    Select("AB");
    CheckNothing([&] { DistributeObjects(Session, true); });
}

struct TSizeCase {
    TZpSize Kind;
    std::string After;
};

TEST_F(ArrangeTest, SizeTakesTheSmallestLargestOrLabelExtent) {
    Add('A', {100, 100, 200, 150});
    Add('B', {300, 50, 450, 250});
    const TSizeCase cases[] = {
        {TZpSize::ShrinkToSmallestWidth, "A(100,100,200,150) B(300,50,400,250) "},
        {TZpSize::GrowToLargestWidth, "A(100,100,250,150) B(300,50,450,250) "},
        {TZpSize::ShrinkToSmallestHeight, "A(100,100,200,150) B(300,50,450,100) "},
        {TZpSize::GrowToLargestHeight, "A(100,100,200,300) B(300,50,450,250) "},
        // One pixel in from each edge of a 1200 x 600 label.
        {TZpSize::LabelWidth, "A(1,100,1198,150) B(1,50,1198,250) "},
        {TZpSize::LabelHeight, "A(100,1,200,598) B(300,1,450,598) "},
    };
    Select("BA");
    for (const TSizeCase& c : cases) {
        SCOPED_TRACE(int(c.Kind));
        Check([&] { SizeObjects(Session, c.Kind); }, "Sizing", c.After);
    }
}

TEST_F(ArrangeTest, DrawingOrderPutsTheFirstSelectedOnTopAndIsUndoable) {
    Add('U', {0, 0, 10, 10});
    Add('A', {0, 0, 10, 10});
    Add('V', {0, 0, 10, 10});
    Add('B', {0, 0, 10, 10});
    Select("AB");
    Check([&] { BringToFront(Session); }, "Bring to Front",
          "U(0,0,10,10) V(0,0,10,10) B(0,0,10,10) A(0,0,10,10) ");
    Check([&] { SendToBack(Session); }, "Send to Back",
          "B(0,0,10,10) A(0,0,10,10) U(0,0,10,10) V(0,0,10,10) ");
}

TEST_F(ArrangeTest, NudgeStepsOneScreenPixelAndRefusesToLeaveTheLabel) {
    // One screen pixel at 200 % on a 96 dpi screen: round(300 / 96 / 2) = 2.
    Session.Environment().SetScale(200);
    EXPECT_EQ(NudgeStep(1, 0, 96, 200).X, 2);
    EXPECT_EQ(NudgeStep(0, -1, 96, 100).Y, -3);
    Add('A', {10, 2, 20, 12});
    Add('B', {100, 100, 110, 110});
    Select("AB");
    Check([&] { EXPECT_TRUE(Nudge(Session, 1, 0, 96)); }, "Nudge", "A(12,2,22,12) B(102,100,112,110) ");
    Check([&] { EXPECT_TRUE(Nudge(Session, 0, -1, 96)); }, "Nudge", "A(10,0,20,10) B(100,98,110,108) ");
    // A would go above the top edge: nothing moves, not even B.
    Session.Environment().SetScale(100);
    CheckNothing([&] { EXPECT_FALSE(Nudge(Session, 0, -1, 96)); });
}

TEST_F(ArrangeTest, RotateTurnsWhatCanTurnAndFourTurnsComeBack) {
    TZpObjectPtr pic = Add('P', {0, 0, 300, 100}, "TZpPictureObject");
    Add('R', {0, 0, 50, 50});
    Select("PR");
    auto* rotation = Supports<IZpRotation>(pic);
    // The rectangle does not turn; the picture's bounds turn with it.
    Check([&] { RotateSelected(Session); }, "Rotate", "P(0,0,100,300) R(0,0,50,50) ");
    for (int i = 0; i < 4; ++i)
        RotateSelected(Session);
    EXPECT_EQ(rotation->GetRotation(), 0);
    EXPECT_EQ(Session.UndoStack().UndoCount(), 2 + 4);
    for (int i = 0; i < 3; ++i)
        Session.Undo();
    EXPECT_EQ(rotation->GetRotation(), 90);
    // Nothing that turns: no event.
    Select("R");
    CheckNothing([&] { RotateSelected(Session); });
}

TEST_F(ArrangeTest, FlipMirrorsPicturesOnlyAndUndoRestoresTheRecord) {
    TZpObjectPtr pic = Add('P', {0, 0, 300, 100}, "TZpPictureObject");
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    Supports<IZpGraphic>(pic)->AssignBitmap(image);
    Add('R', {0, 0, 50, 50});
    Select("RP");
    const QByteArray before = test::ObjectRecord(*pic);
    FlipSelected(Session, 0);
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Flip Image"));
    EXPECT_NE(test::ObjectRecord(*pic), before);
    Session.Undo();
    EXPECT_EQ(test::ObjectRecord(*pic), before);
    Select("R");
    CheckNothing([&] { FlipSelected(Session, 1); });
}

TEST_F(ArrangeTest, GroupNumbersOneAboveAnyInUseAndUngroupClearsThem) {
    Add('A', {0, 0, 10, 10});
    Add('B', {0, 0, 10, 10});
    Add('C', {0, 0, 10, 10});
    Add('D', {0, 0, 10, 10});
    Select("AB");
    EXPECT_TRUE(CanGroup(Session));
    EXPECT_FALSE(CanUngroup(Session));
    Check([&] { GroupSelected(Session); }, "Group",
          "A(0,0,10,10)g1 B(0,0,10,10)g1 C(0,0,10,10) D(0,0,10,10) ");
    GroupSelected(Session);
    Select("CD");
    Check([&] { GroupSelected(Session); }, "Group",
          "A(0,0,10,10)g1 B(0,0,10,10)g1 C(0,0,10,10)g2 D(0,0,10,10)g2 ");
    // Selecting one member selects its group.
    Select("A");
    EXPECT_EQ(Session.SelectedCount(), 2);
    EXPECT_FALSE(CanGroup(Session));
    EXPECT_TRUE(CanUngroup(Session));
    Check([&] { UngroupSelected(Session); }, "Ungroup",
          "A(0,0,10,10) B(0,0,10,10) C(0,0,10,10) D(0,0,10,10) ");
    Select("C");
    EXPECT_FALSE(CanGroup(Session));
    EXPECT_FALSE(CanUngroup(Session));
}

TEST_F(ArrangeTest, NoSelectionOrALockedLabelChangesNothing) {
    Add('A', {100, 100, 200, 150});
    Add('B', {300, 50, 450, 250});
    Add('C', {0, 0, 50, 50});
    const std::function<void()> commands[] = {
        [&] { AlignObjects(Session, TZpAlign::Left); },
        [&] { DistributeObjects(Session, true); },
        [&] { SizeObjects(Session, TZpSize::LabelWidth); },
        [&] { BringToFront(Session); },
        [&] { SendToBack(Session); },
        [&] { Nudge(Session, 1, 0, 96); },
        [&] { RotateSelected(Session); },
        [&] { GroupSelected(Session); },
        [&] { SetFillStyle(Session, 0xff, 1, false); },
    };
    Session.ClearSelection();
    for (const auto& command : commands)
        CheckNothing(command);
    Select("CBA");
    Session.Environment().SetLockState(true, QStringLiteral("secret"));
    ASSERT_TRUE(Session.IsLocked());
    for (const auto& command : commands)
        CheckNothing(command);
}

TEST_F(ArrangeTest, FormattingSettersChangeOnlyObjectsWithTheProperty) {
    TZpObjectPtr line = Add('L', {0, 0, 100, 10}, "TZpLineObject");
    TZpObjectPtr rect = Add('R', {0, 0, 100, 100});
    TZpObjectPtr text = Add('T', {0, 0, 300, 150}, "TZpTextObject");
    // A line has no fill: no event.
    Select("L");
    CheckNothing([&] { SetFillStyle(Session, 0xff, 2, true); });
    Select("LRT");
    auto* fill = Supports<IZpFillStyle>(rect);
    const TColor oldFill = fill->GetColor();
    SetFillStyle(Session, 0x123456, 2, true);
    EXPECT_EQ(fill->GetColor(), 0x123456u);
    EXPECT_TRUE(fill->GetTransparent());
    Session.Undo();
    EXPECT_EQ(fill->GetColor(), oldFill);

    auto* font = Supports<IZpFont>(text);
    const uint8_t style = font->GetStyle();
    const int32_t size = font->GetSize();
    SetFontBold(Session, true);
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Set Bold"));
    EXPECT_TRUE(font->GetStyle() & 1);
    SetFontSize(Session, 20);
    EXPECT_EQ(font->GetSize(), 20);
    SetFontBold(Session, false);
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Clear Bold"));
    for (int i = 0; i < 3; ++i)
        Session.Undo();
    EXPECT_EQ(font->GetStyle(), style);
    EXPECT_EQ(font->GetSize(), size);
    // While editing in place the change is made but not recorded.
    const int events = Session.UndoStack().UndoCount();
    SetFontItalic(Session, true, true);
    EXPECT_TRUE(font->GetStyle() & 2);
    EXPECT_EQ(Session.UndoStack().UndoCount(), events);
}

// Undoing the toolbar's font changes gives the text object back its record
// byte for byte: its style sheet and runs, and a leading that follows the
// size (12.5 points at 10 is 8.75 at 7, stored as 88 tenths, which scaled
// back would be 126).
TEST_F(ArrangeTest, UndoneFontChangesGiveBackTheTextRecordExactly) {
    const struct {
        const char* Name;
        std::function<void(TZpEditSession&)> Changes;
    } cases[] = {
        {"bold, size, clear bold",
         [](TZpEditSession& s) {
             SetFontBold(s, true);
             SetFontSize(s, 14);
             SetFontBold(s, false);
         }},
        {"size with a leading that does not scale evenly", [](TZpEditSession& s) { SetFontSize(s, 7); }},
        {"face, colour, italic, underline, alignment",
         [](TZpEditSession& s) {
             SetFontName(s, QStringLiteral("Liberation Serif"));
             SetFontColor(s, 0x0000ff);
             SetFontItalic(s, true);
             SetFontUnderline(s, true);
             SetTextAlignment(s, 2);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TZpObjectPtr text = Add('T', {0, 0, 300, 150}, "TZpTextObject");
        Supports<IZpData>(text)->SetText(QStringLiteral("one\r\ntwo"));
        Supports<IZpRVData>(text)->SetCustomLeadingSize(125);
        Select("T");
        const QByteArray before = test::ObjectRecord(*text);
        const int events = Session.UndoStack().UndoCount();
        c.Changes(Session);
        const QByteArray after = test::ObjectRecord(*text);
        while (Session.UndoStack().UndoCount() > events)
            Session.Undo();
        EXPECT_EQ(test::ObjectRecord(*text), before);
        while (Session.CanRedo())
            Session.Redo();
        EXPECT_EQ(test::ObjectRecord(*text), after);
    }
}

TEST_F(ArrangeTest, ImportTextFileAddsOneSelectedTextObject) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("lines.txt"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first\nsecond\r\nthird\n");
    file.close();
    ImportTextFile(Session, name);
    ASSERT_EQ(Session.ControlCount(), 1);
    ASSERT_EQ(Session.SelectedCount(), 1);
    EXPECT_EQ(Supports<IZpData>(Session.Selected(0))->GetText(), QStringLiteral("first\r\nsecond\r\nthird"));
    // What is drawn is the imported text, not a new object's default text.
    auto* text = dynamic_cast<TZpTextObject*>(Session.Selected(0).get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->RVData().PlainText(), QStringLiteral("first\r\nsecond\r\nthird"));
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Add Object"));
    EXPECT_THROW(ImportTextFile(Session, dir.filePath(QStringLiteral("missing.txt"))), EZpError);
    EXPECT_EQ(Session.ControlCount(), 1);
}

} // namespace
} // namespace zp
