// SPDX-License-Identifier: MIT
// The checks before a run: objects outside the label, objects in the
// printer's margins, the bar code dry run and datasets no object uses.
#include "print/PrintChecks.h"

#include "FakeBackend.h"
#include "RunFixture.h"
#include "barcode/BarcodeObject.h"
#include "base/Errors.h"
#include "model/objects/ShapeObjects.h"
#include "settings/AppOptions.h"

namespace zp::test {
namespace {

// The questions with their placeholders filled.
QString Outside(int n) {
    return QString::fromLatin1(check_messages::kOutside).arg(n);
}
QString Unprintable(int n) {
    return QString::fromLatin1(check_messages::kUnprintable).arg(n);
}

class PrintChecks : public RunFixture {
protected:
    void TearDown() override {
        AppOptions().CheckBarCodes = false;
        AppOptions().ReadBackBarCodes = false;
        RunFixture::TearDown();
    }
    bool Check(const TZpObjectList& objects) {
        return CheckBeforePrint(objects, Selection, Doc.Layout(), Info, Data());
    }
    // A printer whose printable area starts 0.25 inch from the left and 1/6
    // inch from the top of the sheet (25 and 17 label pixels here).
    void UsePrinterWithMargins() {
        auto fake = std::make_unique<TFakeBackend>(TFakeBackend::WithQueues({"Margins"}));
        fake->Folder = Dir.path();
        ZpPrinter().SetBackend(std::move(fake));
        ZpPrinter().SetPrinterIndex(ZpPrinter().IndexOfPrinter(QStringLiteral("Margins")));
    }

    TZpObjectList Selection;
};

struct TOutsideCase {
    const char* Name;
    TZpLabelShape Shape;
    TRect Bounds; ///< the label is 350 x 200 label pixels
    bool Line;
    bool Inside;
};

TEST_F(PrintChecks, ObjectsOutsideTheLabelShapeAreSelectedOnNo) {
    const TOutsideCase cases[] = {
        {"well inside", lsRectangle, {0, 0, 349, 199}, false, true},
        {"touching the right edge", lsRectangle, {0, 0, 350, 100}, false, false},
        {"touching the bottom edge", lsRectangle, {0, 0, 100, 200}, false, false},
        {"starting left of the label", lsRectangle, {-1, 0, 100, 100}, false, false},
        // A line counts only its two ends: the other corners may be outside.
        {"a line inside from end to end", lsEllipse, {175, 1, 175, 198}, true, true},
        {"a box in an ellipse's corner", lsEllipse, {2, 2, 20, 20}, false, false},
        {"a box in an ellipse's middle", lsEllipse, {100, 50, 250, 150}, false, true},
        {"a box in a rounded corner", lsRoundRect, {0, 0, 10, 10}, false, false},
        {"a box beside the rounded corner", lsRoundRect, {30, 0, 60, 10}, false, true},
    };
    Doc.Layout().EllipseWidth = 0.5f;
    Doc.Layout().EllipseHeight = 0.5f;
    for (const TOutsideCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Dialogs->Clear();
        Selection.clear();
        Doc.Layout().LabelShape = c.Shape;
        TZpObjectPtr object;
        if (c.Line)
            object = std::make_shared<TZpLineObject>();
        else
            object = std::make_shared<TZpRectangleObject>();
        object->SetBoundsExact(c.Bounds);
        Dialogs->Queue(TZpAnswer::No);
        EXPECT_EQ(Check({object}), c.Inside);
        if (c.Inside) {
            EXPECT_TRUE(Dialogs->Messages().isEmpty());
            EXPECT_TRUE(Selection.empty());
        } else {
            EXPECT_EQ(Dialogs->Messages(), QStringList{Outside(1)});
            EXPECT_EQ(Selection, TZpObjectList{object});
        }
    }
}

TEST_F(PrintChecks, YesGoesOnNoStopsCancelLeavesSilently) {
    auto out1 = std::make_shared<TZpRectangleObject>();
    out1->SetBoundsExact({300, 0, 400, 50});
    auto out2 = std::make_shared<TZpRectangleObject>();
    out2->SetBoundsExact({0, 150, 50, 250});
    auto hidden = std::make_shared<TZpRectangleObject>(); // not printed, not counted
    hidden->SetBoundsExact({-100, -100, 0, 0});
    hidden->SetPrintObject(false);
    const TZpObjectList objects{out1, Probe, hidden, out2};

    Dialogs->Queue(TZpAnswer::Yes);
    EXPECT_TRUE(Check(objects));
    EXPECT_EQ(Dialogs->Messages(), QStringList{Outside(2)});
    EXPECT_TRUE(Selection.empty());

    Dialogs->Queue(TZpAnswer::No);
    EXPECT_FALSE(Check(objects));
    EXPECT_EQ(Selection, (TZpObjectList{out1, out2}));

    Dialogs->Queue(TZpAnswer::Cancel);
    EXPECT_THROW((void)Check(objects), EZpAbort);
}

TEST_F(PrintChecks, ObjectsInThePrinterMarginsAtAnySheetPosition) {
    UsePrinterWithMargins();
    // On this 2 x 5 sheet the first label starts 25 / 33 label pixels into
    // the printable area; the last column ends 425 + right and the last row
    // 833 + bottom, against 850 - 2 x 25 and 1100 - 2 x 17.
    const struct {
        TRect Bounds;
        bool Hit;
    } cases[] = {
        {{-25, 0, 10, 10}, false}, {{-26, 0, 10, 10}, true}, {{0, -33, 10, 10}, false},
        {{0, -34, 10, 10}, true},  {{0, 0, 375, 10}, false}, {{0, 0, 376, 10}, true},
        {{0, 0, 10, 233}, false},  {{0, 0, 10, 234}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Bounds.Left << "," << c.Bounds.Top << "," << c.Bounds.Right
                                        << "," << c.Bounds.Bottom);
        Dialogs->Clear();
        Selection.clear();
        auto object = std::make_shared<TZpRectangleObject>();
        object->SetBoundsExact(c.Bounds);
        // These objects also stick out of the label: that question is answered Yes.
        Dialogs->Queue(TZpAnswer::Yes);
        Dialogs->Queue(TZpAnswer::No);
        EXPECT_EQ(Check({object, Probe}), !c.Hit);
        EXPECT_EQ(Dialogs->Messages().contains(Unprintable(1)), c.Hit);
        if (c.Hit)
            EXPECT_EQ(Selection, TZpObjectList{object});
    }
}

TEST_F(PrintChecks, UnusedDatasetsAreOfferedFromTheLastAndRemovedOnYes) {
    UseRecords({"A"});
    BindName(); // uses People
    Data().AddDataset(QStringLiteral("Csv"), QStringLiteral("Spare"),
                      QStringLiteral("SELECT * FROM [people#csv]"));
    Data().AddDataset(QStringLiteral("Csv"), QStringLiteral("Old"),
                      QStringLiteral("SELECT * FROM [people#csv]"));
    const auto question = [](const char* name) {
        return QString::fromLatin1(check_messages::kUnusedDataset).arg(QLatin1String(name));
    };
    Dialogs->Queue(TZpAnswer::Yes); // Old
    Dialogs->Queue(TZpAnswer::No);  // Spare
    EXPECT_TRUE(Check(Doc.Objects()));
    EXPECT_EQ(Dialogs->Messages(), QStringList({question("Old"), question("Spare")}));
    EXPECT_TRUE(Dialogs->Messages().front().contains(QLatin1String(".\r\nWould you like")));
    EXPECT_EQ(Data().DatasetCount(), 2);
    EXPECT_EQ(Data().IndexOfDataset(QStringLiteral("Old")), -1);

    // Cancel keeps the dataset and stops the command.
    Dialogs->Clear();
    Dialogs->Queue(TZpAnswer::Cancel);
    EXPECT_FALSE(Check(Doc.Objects()));
    EXPECT_EQ(Data().DatasetCount(), 2);
}

// The dry run over records A..C whose Code field feeds a bar code.
class BarcodeDryRun : public PrintChecks {
protected:
    void SetUp() override {
        PrintChecks::SetUp();
        AppOptions().CheckBarCodes = true;
        Code = std::make_shared<TZpBarcodeObject>();
        Code->Symbology = bcEAN13;
        Code->Density = 1;
        Code->ShowHumanReadable = false;
        Code->Data().SetName(QStringLiteral("Item code"));
        Code->SetBoundsExact({20, 20, 140, 80});
        Info.AllRecords = true;
    }
    void UseCodes(const QStringList& codes) {
        UseRecords({"A", "B", "C"}, codes); // the codes sit in the Copies column
        Code->Data().SetKind(dkDatabaseField);
        auto field = std::make_unique<TZpFieldDef>();
        field->Dataset = QStringLiteral("People");
        field->Field = QStringLiteral("Copies");
        Code->Data().AddField(std::move(field));
        Code->Data().SetConnections(&Data());
    }
    bool Verify() { return VerifyBarCodes({Code}, Selection, Doc.Layout(), Info, Data()); }
    [[nodiscard]] QString Question(const char* message) const {
        return QString::fromLatin1(message).arg(QStringLiteral("Item code"));
    }

    std::shared_ptr<TZpBarcodeObject> Code;
};

TEST_F(BarcodeDryRun, EachProblemIsAskedWithTheObjectsName) {
    const QStringList good = {"400638133393", "400638133393", "400638133393"};
    const struct {
        const char* Name;
        QStringList Codes;
        TRect Bounds;
        bool Margins;
        const char* Message;
        int Labels; ///< labels that have the problem
    } cases[] = {
        {"data the symbology rejects",
         {"400638133393", "40063813339X", "400638133393"},
         {20, 20, 140, 80},
         false,
         check_messages::kInvalidData,
         1},
        {"a symbol longer than the label",
         good,
         {280, 20, 340, 80},
         false,
         check_messages::kTooLargeForLabel,
         3},
        // Inside the label, but the first column starts 50 pixels into a
        // sheet whose printable area begins 25 pixels in.
        {"a symbol in the printer's margin",
         good,
         {-30, 20, 90, 80},
         true,
         check_messages::kTooLargeForPrinter,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Data().Clear();
        Code->Data().DeleteField(0);
        if (c.Margins)
            UsePrinterWithMargins();
        UseCodes(c.Codes);
        Code->SetBoundsExact(c.Bounds);

        Dialogs->Clear();
        Selection.clear();
        Dialogs->Queue(TZpAnswer::No);
        EXPECT_FALSE(Verify());
        EXPECT_EQ(Dialogs->Messages(), QStringList{Question(c.Message)});
        EXPECT_EQ(Selection, TZpObjectList{Code});

        // Yes goes on with the next label: the question comes back for every
        // label that has the problem.
        Dialogs->Clear();
        Selection.clear();
        for (int i = 0; i < c.Labels; ++i)
            Dialogs->Queue(TZpAnswer::Yes);
        EXPECT_TRUE(Verify());
        EXPECT_EQ(Dialogs->Messages(), QStringList(c.Labels, Question(c.Message)));
        EXPECT_TRUE(Selection.empty());

        Dialogs->Clear();
        Dialogs->Queue(TZpAnswer::Cancel);
        EXPECT_THROW((void)Verify(), EZpAbort);
    }
}

// With the read-back option every label is also drawn at the printer's
// resolution and read back: bars that an adjustment took away are asked
// about once, with the resolution and the record where they were found.
TEST_F(BarcodeDryRun, SymbolsThatCannotBeReadBackAreAskedAboutOnce) {
    UseCodes({"400638133393", "500638133393", "600638133393"});
    Code->BarAdjust = -1;
    EXPECT_TRUE(Verify());
    EXPECT_TRUE(Dialogs->Messages().isEmpty());

    AppOptions().ReadBackBarCodes = true;
    const QString question =
        QString::fromLatin1(check_messages::kNotReadBack).arg(QStringLiteral("Item code")).arg(600).arg(1);
    Dialogs->Queue(TZpAnswer::No);
    EXPECT_FALSE(Verify());
    EXPECT_EQ(Dialogs->Messages(), QStringList{question});
    EXPECT_EQ(Selection, TZpObjectList{Code});

    Dialogs->Clear();
    Selection.clear();
    Dialogs->Queue(TZpAnswer::Yes);
    EXPECT_TRUE(Verify());
    EXPECT_EQ(Dialogs->Messages(), QStringList{question});

    Dialogs->Clear();
    Dialogs->Queue(TZpAnswer::Cancel);
    EXPECT_THROW((void)Verify(), EZpAbort);

    // Whole bars read back, and nothing is asked.
    Dialogs->Clear();
    Code->BarAdjust = 0;
    EXPECT_TRUE(Verify());
    EXPECT_TRUE(Dialogs->Messages().isEmpty());
}

TEST_F(BarcodeDryRun, RunsFromTheChecksOnlyWithTheOption) {
    UseCodes({"400638133393", "bad", "400638133393"});
    Dialogs->Queue(TZpAnswer::No);
    EXPECT_FALSE(Check({Code}));
    EXPECT_EQ(Dialogs->Messages(), QStringList{Question(check_messages::kInvalidData)});

    Dialogs->Clear();
    AppOptions().CheckBarCodes = false;
    EXPECT_TRUE(Check({Code}));
    EXPECT_TRUE(Dialogs->Messages().isEmpty());
}

TEST_F(BarcodeDryRun, AbortAsksWhetherToPrintAnyway) {
    UseCodes({"400638133393", "400638133393", "bad"});
    const QString abort = QString::fromLatin1(check_messages::kAbortCheck);
    const struct {
        TZpAnswer Answer;
        bool Result;
        QStringList Messages;
    } cases[] = {
        {TZpAnswer::Yes, true, {abort}},
        {TZpAnswer::No, false, {abort}},
        // Cancel withdraws the abort: the check goes on and finds record C.
        {TZpAnswer::Cancel, true, {abort, Question(check_messages::kInvalidData)}},
    };
    for (const auto& c : cases) {
        Dialogs->Clear();
        Dialogs->PressAbortAt(2);
        Dialogs->Queue(c.Answer);
        Dialogs->Queue(TZpAnswer::Yes); // print anyway, for record C
        EXPECT_EQ(Verify(), c.Result);
        EXPECT_EQ(Dialogs->Messages(), c.Messages);
    }
}

} // namespace
} // namespace zp::test
