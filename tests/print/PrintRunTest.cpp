// SPDX-License-Identifier: MIT
// The print run: positions, pages, copies, record modes, serials, cancelling
// and failures.
#include "PdfInfo.h"
#include "RunFixture.h"
#include "base/Errors.h"
#include "print/PreviewJob.h"
#include "print/PrintJob.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace zp::test {
namespace {

class PrintRun : public RunFixture {
protected:
    void Print() { RunPrintJob(Doc.Objects(), Doc.Layout(), Data(), QStringLiteral("Run"), Info); }
    // The label corner of a sheet position in device dots (600 per inch, 6 per label pixel).
    static QPointF Corner(int column, int row) {
        return {(50 + (column - 1) * 400) * 6.0, (50 + (row - 1) * 200) * 6.0};
    }
};

struct TRunCase {
    const char* Name;
    std::function<void(TZpPrintInfo&, TZpDataConnections&)> Setup;
    QStringList Copies; ///< copies texts of the records A..E (records are A..E when present)
    int Records;
    bool Serial;       ///< the probe shows a serial from 100 instead of the name
    QStringList Texts; ///< the names drawn (name cases)
    std::vector<int> Serials;
    int StartAfter; ///< serial start after the run (serial cases, UpdateSerials on)
};

TEST_F(PrintRun, LabelsRecordsCopiesAndSerialsFollowTheMode) {
    const auto count = [](int total, int copies) {
        return [=](TZpPrintInfo& i, TZpDataConnections&) {
            i.TotalLabels = total;
            i.Copies = copies;
        };
    };
    const auto marked = [](std::vector<int> records) { // a copy: the cases outlive their braces
        return [=](TZpPrintInfo& i, TZpDataConnections& d) {
            i.MarkedOnly = true;
            for (int r : records) {
                d.First();
                for (int k = 1; k < r; ++k)
                    d.Next();
                d.SetMarked(true);
            }
        };
    };
    const std::vector<TRunCase> cases = {
        {"count mode walks the records",
         count(10, 2),
         {},
         3,
         false,
         {"A", "A", "B", "B", "C", "C", "C", "C", "C", "C"},
         {},
         0},
        {"count mode steps serials per record",
         count(10, 2),
         {},
         3,
         true,
         {},
         {100, 100, 101, 101, 102, 102, 103, 103, 104, 104},
         105},
        {"all records",
         [](TZpPrintInfo& i, TZpDataConnections&) { i.AllRecords = true; },
         {},
         3,
         true,
         {},
         {100, 101, 102},
         103},
        {"marked records only", marked({2, 4}), {}, 5, false, {"B", "D"}, {}, 0},
        {"marked records only, serials", marked({2, 4}), {}, 5, true, {}, {100, 101}, 102},
        {"no marked record prints nothing", marked({}), {}, 5, true, {}, {}, 100},
        {"unmarked records only",
         [](TZpPrintInfo& i, TZpDataConnections& d) {
             i.UnmarkedOnly = true;
             d.First();
             d.SetMarked(true);
         },
         {},
         3,
         false,
         {"B", "C"},
         {},
         0},
        {"copies from a field: text that is no integer counts 1",
         [](TZpPrintInfo& i, TZpDataConnections&) {
             i.AllRecords = true;
             i.CopiesFromField = true;
             i.CopiesDataset = QStringLiteral("People");
             i.CopiesField = QStringLiteral("Copies");
         },
         {"abc", "2", "-5", "99999999999", ""},
         5,
         false,
         {"A", "B", "B", "C", "D", "E"},
         {},
         0},
        {"an unknown copies field counts 1",
         [](TZpPrintInfo& i, TZpDataConnections&) {
             i.AllRecords = true;
             i.CopiesFromField = true;
             i.CopiesDataset = QStringLiteral("Nobody");
             i.CopiesField = QStringLiteral("Copies");
         },
         {"3", "3"},
         2,
         false,
         {"A", "B"},
         {},
         0},
    };
    const QStringList names = {"A", "B", "C", "D", "E"};
    for (const TRunCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Data().Clear();
        Drawn.clear();
        Probe->Data.DeleteField(0);
        Info = TZpPrintInfo();
        Info.StartLabel = 1;
        Info.ToPage = std::numeric_limits<int32_t>::max();
        Info.UpdateSerials = true;
        UseRecords(names.mid(0, c.Records), c.Copies);
        if (c.Serial)
            UseSerial(100);
        else
            BindName();
        c.Setup(Info, Data());
        Print();
        if (c.Serial) {
            EXPECT_EQ(Serials(), c.Serials);
            EXPECT_EQ(Probe->Data.GetSerialStart(), c.StartAfter);
        } else {
            EXPECT_EQ(Texts(), c.Texts);
        }
    }
}

TEST_F(PrintRun, CurrentRecordOnlyPrintsItsCopiesAndLeavesTheData) {
    UseRecords({"A", "B", "C"});
    BindName();
    Data().Next();
    Probe->Data.SetText(QStringLiteral("B now"));
    Info.CurrentRecordOnly = true;
    Info.Copies = 3;
    Print();
    EXPECT_EQ(Texts(), QStringList({"B now", "B now", "B now"}));
    EXPECT_EQ(Data().RecordIndex(), 1);
    EXPECT_EQ(ReadPdfInfo(OutputFile()).Pages, 1);
}

TEST_F(PrintRun, StartLabelCountsInTheDirectionAndTheNextSheetStartsAtItsFirstLabel) {
    Info.StartLabel = 5;
    Info.TotalLabels = 7;
    Print();
    ASSERT_EQ(Drawn.size(), 7u);
    EXPECT_EQ(Drawn[0].Origin, Corner(1, 3));
    EXPECT_EQ(Drawn[1].Origin, Corner(2, 3));
    EXPECT_EQ(Drawn[6].Origin, Corner(1, 1));
    EXPECT_EQ(ReadPdfInfo(OutputFile()).Pages, 2);

    Drawn.clear();
    Info.Direction = 1;
    Info.TotalLabels = 3;
    Print();
    ASSERT_EQ(Drawn.size(), 3u);
    EXPECT_EQ(Drawn[0].Origin, Corner(1, 5));
    EXPECT_EQ(Drawn[1].Origin, Corner(2, 1));
    EXPECT_EQ(Drawn[2].Origin, Corner(2, 2));
}

TEST_F(PrintRun, LabelsLandOnTheirSheetPositionsOnThePrintedPage) {
    // A 3 x 10 sheet: label (2, 3) starts at (2.9375, 2.5) inches.
    SetLetterSheet(Doc.Layout(), kAddressSheet);
    const struct {
        uint8_t Direction;
        int Start;
        std::vector<std::pair<int, int>> Used; // (column, row)
    } cases[] = {
        {0, 5, {{2, 2}, {3, 2}, {1, 3}, {2, 3}}},
        {1, 9, {{1, 9}, {1, 10}, {2, 1}, {2, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Direction));
        Info.Direction = c.Direction;
        Info.StartLabel = c.Start;
        Info.TotalLabels = 4;
        Print();
        // At 100 dots per inch one page pixel is one label pixel.
        const QImage page = RasterisePdfPage(OutputFile(), 1, 100);
        ASSERT_EQ(page.size(), QSize(850, 1100));
        for (int column = 1; column <= 3; ++column) {
            for (int row = 1; row <= 10; ++row) {
                SCOPED_TRACE(testing::Message() << "column " << column << ", row " << row);
                const bool used =
                    std::find(c.Used.begin(), c.Used.end(), std::pair{column, row}) != c.Used.end();
                // The probe's box (10, 10)-(60, 40) from the label's corner.
                const int x = int(std::lround((0.1875 + (column - 1) * 2.75) * 100));
                const int y = int(std::lround((0.5 + (row - 1) * 1.0) * 100));
                EXPECT_EQ(qGray(page.pixel(x + 35, y + 25)) < 64, used);
                EXPECT_GT(qGray(page.pixel(x + 5, y + 25)), 192) << "left of the box";
                EXPECT_GT(qGray(page.pixel(x + 65, y + 25)), 192) << "right of the box";
                if (used) {
                    EXPECT_LT(qGray(page.pixel(x + 12, y + 12)), 64) << "the box's top-left corner";
                    EXPECT_LT(qGray(page.pixel(x + 57, y + 37)), 64) << "the box's bottom-right corner";
                }
            }
        }
    }
}

TEST_F(PrintRun, StartLabelsOutsideTheSheetPrintWhereTheyFall) {
    for (uint8_t direction : {0, 1}) {
        for (int start : {0, -3, 11, 1000000, INT32_MIN, INT32_MAX}) {
            SCOPED_TRACE(testing::Message() << "direction " << int(direction) << ", start " << start);
            Drawn.clear();
            Info.Direction = direction;
            Info.StartLabel = start;
            Info.TotalLabels = 3;
            Print();
            EXPECT_EQ(Drawn.size(), 3u);
        }
    }
    Drawn.clear();
    Info.Direction = 0;
    Info.StartLabel = 0; // row 0, column 2: just above the sheet
    Info.TotalLabels = 1;
    Print();
    EXPECT_EQ(Drawn[0].Origin, QPointF(Corner(2, 1).x(), Corner(2, 1).y() - 1200));
}

TEST_F(PrintRun, APageRangeDrawsOnlyItsPagesButComputesTheOthers) {
    UseSerial(1);
    Info.TotalLabels = 50; // five sheets of ten
    Info.FromPage = 2;
    Info.ToPage = 3;
    Info.UpdateSerials = true;
    Print();
    ASSERT_EQ(Drawn.size(), 20u);
    EXPECT_EQ(Drawn.front().Serial, 11);
    EXPECT_EQ(Drawn.back().Serial, 30);
    EXPECT_EQ(Probe->Data.GetSerialStart(), 31); // not 32: no label 31 was made
    EXPECT_EQ(ReadPdfInfo(OutputFile()).Pages, 2);
}

TEST_F(PrintRun, APageRangePastTheEndDeliversNoBlankSheet) {
    UseSerial(1);
    Info.TotalLabels = 15; // two sheets
    Info.FromPage = 3;
    Info.UpdateSerials = true;
    Print();
    EXPECT_TRUE(Drawn.empty());
    EXPECT_FALSE(ZpPrinter().Printing());
    EXPECT_FALSE(QFile::exists(OutputFile()));
    EXPECT_EQ(Probe->Data.GetSerialStart(), 16) << "the labels were made, and the closing step ran";
}

TEST_F(PrintRun, ASheetWithoutColumnsOrRowsStopsWithAMessage) {
    for (auto [columns, rows] : {std::pair{0, 5}, std::pair{2, 0}}) {
        Doc.Layout().Columns = columns;
        Doc.Layout().Rows = rows;
        try {
            Print();
            ADD_FAILURE() << "no failure";
        } catch (const EZpError& e) {
            EXPECT_EQ(e.Message(),
                      QStringLiteral("The label stock has no columns or no rows, so no label can be "
                                     "placed on the sheet."));
        }
        EXPECT_FALSE(ZpPrinter().Printing());
        EXPECT_FALSE(QFile::exists(OutputFile()));
    }
}

TEST_F(PrintRun, CancellingAtALabelAbortsSilentlyWithoutClosingStep) {
    UseSerial(100);
    Probe->Data.SetPromptRemaining(0);
    Info.TotalLabels = 10;
    Info.UpdateSerials = true;
    Dialogs->PressAbortAt(3);
    EXPECT_THROW(Print(), EZpAbort);
    EXPECT_EQ(Drawn.size(), 2u);
    EXPECT_EQ(Dialogs->Messages(), QStringList{"Are you sure you want to cancel this print job?"});
    EXPECT_EQ(Probe->Data.GetSerialStart(), 100);
    EXPECT_FALSE(ZpPrinter().Printing());
    EXPECT_FALSE(QFile::exists(OutputFile()));

    // Answering No to the question lets the run finish.
    Drawn.clear();
    Dialogs->Clear();
    Dialogs->Queue(TZpAnswer::No);
    Print();
    EXPECT_EQ(Drawn.size(), 10u);
    EXPECT_EQ(Dialogs->ProgressLines(), QStringList{"Page 1"});
    EXPECT_EQ(Probe->Data.GetSerialStart(), 110);
}

TEST_F(PrintRun, PrintScriptsWrapEachLabelAndThePreviewRunsNone) {
    UseSerial(100);
    Probe->Script.SetLanguage(kJScriptLanguage);
    Probe->Script.SetScript(
        QStringLiteral("function DataUpdated(s) { return s; }\n"
                       "function BeforePrintData(s) { return '<' + s + '>'; }\n"
                       "function AfterPrintData(s) { return s.substring(1, s.length - 1); }\n"));
    Probe->Script.SetEnabled(true);
    Info.TotalLabels = 4;
    Info.Copies = 2;
    // A copy is printed from what the after-print script left: without it the
    // second copy would read "<<100>>".
    Print();
    EXPECT_EQ(Texts(), QStringList({"<100>", "<100>", "<101>", "<101>"}));
    EXPECT_EQ(Probe->Data.GetText(), QStringLiteral("101"));
    EXPECT_GE(Probe->Changes, 8) << "each script's result is announced";

    Drawn.clear();
    (void)BuildPreviewPages(Doc.Objects(), Doc.Layout(), Data(), Info);
    EXPECT_EQ(Texts(), QStringList({"100", "100", "101", "101"}));
}

TEST_F(PrintRun, PromptsAreAskedAtTheStartOfEveryRunAndResetAfterwards) {
    auto second = std::make_shared<TProbeObject>(Drawn);
    second->SetBoundsExact({100, 10, 150, 40});
    Doc.Add(second);
    Probe->Data.SetKind(dkPrompt);
    Probe->Data.SetPromptCaption(QStringLiteral("Lot?"));
    second->Data.SetKind(dkPrompt);
    second->Data.SetPromptCaption(QStringLiteral("Shift?"));
    const auto prompts = [&] {
        QStringList asked;
        for (const TZpScriptedDialogs::TQuestion& q : Dialogs->Questions())
            if (q.Kind == QLatin1String("prompt"))
                asked << q.Text;
        return asked;
    };
    Info.TotalLabels = 2;
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        Dialogs->Clear();
        Drawn.clear();
        Dialogs->Queue(TPromptData{{}, QStringLiteral("L-7"), -1}); // for all labels
        Dialogs->Queue(TPromptData{{}, QStringLiteral("B"), -1});
        Print();
        EXPECT_EQ(prompts(), QStringList({"Lot?", "Shift?"}));
        EXPECT_EQ(Texts(), QStringList({"L-7", "B", "L-7", "B"}));
        EXPECT_EQ(Probe->Data.GetText(), QStringLiteral("PROMPT"));
        EXPECT_EQ(second->Data.GetText(), QStringLiteral("PROMPT"));
        EXPECT_EQ(Probe->Data.GetPromptRemaining(), 0);
    }

    // The preview asks nothing.
    Dialogs->Clear();
    (void)BuildPreviewPages(Doc.Objects(), Doc.Layout(), Data(), Info);
    EXPECT_TRUE(prompts().isEmpty());

    // Cancelling a question cancels the run.
    Drawn.clear();
    QFile::remove(OutputFile());
    EXPECT_THROW(Print(), EZpAbort);
    EXPECT_TRUE(Drawn.empty());
    EXPECT_FALSE(QFile::exists(OutputFile()));
}

TEST_F(PrintRun, APrinterFailingMidRunLeavesNoFileAndSaysWhy) {
    const QString folder = Dir.filePath(QStringLiteral("gone"));
    QDir(Dir.path()).mkdir(QStringLiteral("gone"));
    const QString target = QDir(folder).filePath(QStringLiteral("out.pdf"));
    ZpPrinter().SetOutputFileName(target);
    Info.TotalLabels = 25;
    Probe->OnDraw = [&] {
        if (Drawn.size() == 15) // on the second sheet
            QDir(folder).removeRecursively();
    };
    try {
        Print();
        ADD_FAILURE() << "no failure";
    } catch (const EZpAbort&) {
        ADD_FAILURE() << "a silent abort";
    } catch (const EZpError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot write the file")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(Drawn.size(), 25u);
    EXPECT_FALSE(ZpPrinter().Printing());
    EXPECT_FALSE(QFile::exists(target));
}

} // namespace
} // namespace zp::test
