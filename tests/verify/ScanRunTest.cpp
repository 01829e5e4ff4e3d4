// SPDX-License-Identifier: MIT
// The scan check over whole runs: the same labels as printing makes, and the
// shipped demo label passing at the resolutions of real printers.
#include "print/verify/ScanRun.h"

#include "VerifyFixture.h"
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "print/PrintInfo.h"

namespace zp {
namespace {

using test::VerifyFixture;

TZpPrintInfo Labels(int total, int copies) {
    TZpPrintInfo info;
    info.StartLabel = 1;
    info.TotalLabels = total;
    info.Copies = copies;
    return info;
}

TEST_F(VerifyFixture, SerialNumbersStepAsInPrintingAndCopiesAddNoLines) {
    auto bc = AddBarcode(bcCode128, QString(), 3);
    bc->Data().SetKind(dkSerialNumber);
    bc->Data().SetSerialStart(41);
    bc->Data().SetSerialValue(41);
    bc->Data().SetSerialIncrement(1);
    TZpDataConnections none;
    // Three records in count mode: two copies each until six labels.
    const TZpScanReport report = VerifyRun(Objects, Layout, none, Labels(6, 2), 300);
    EXPECT_EQ(report.Labels, 6);
    ASSERT_EQ(report.Results.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TZpScanResult& r = report.Results[size_t(i)];
        EXPECT_EQ(r.Data, QString::number(41 + i));
        EXPECT_EQ(r.Decoded, r.Data);
        EXPECT_EQ(r.Label, 2 * i + 1);
        EXPECT_EQ(r.Record, 0);
    }
    EXPECT_FALSE(report.Failed());
    // The run moves no serial start value.
    EXPECT_EQ(bc->Data().GetSerialStart(), 41);
}

// Prompts are asked as for printing, one answer per label here, and reset
// after the run; cancelling one cancels the check.
TEST_F(VerifyFixture, PromptsAreAskedAsForPrinting) {
    auto bc = AddBarcode(bcCode128, QString(), 3);
    bc->Data().SetKind(dkPrompt);
    bc->Data().SetPromptCaption(QStringLiteral("Lot?"));
    TZpDataConnections none;
    Dialogs->Queue(TPromptData{{}, QStringLiteral("LOT-7"), 1});
    Dialogs->Queue(TPromptData{{}, QStringLiteral("LOT-8"), 1});
    const TZpScanReport report = VerifyRun(Objects, Layout, none, Labels(2, 1), 300);
    ASSERT_EQ(report.Results.size(), 2u);
    EXPECT_EQ(report.Results[0].Decoded, QStringLiteral("LOT-7"));
    EXPECT_EQ(report.Results[1].Decoded, QStringLiteral("LOT-8"));
    EXPECT_EQ(bc->Data().GetText(), QStringLiteral("PROMPT"));

    Dialogs->Clear();
    Dialogs->Queue(TZpScriptedDialogs::TCancel{});
    EXPECT_THROW((void)VerifyRun(Objects, Layout, none, Labels(2, 1), 300), EZpAbort);
}

TEST_F(VerifyFixture, ReportAsTextAndCsv) {
    AddBarcode(bcCode128, QStringLiteral("A,\"B\""), 3);
    AddBarcode(bcUPCA, QStringLiteral("bad"), 3, 60, 300);
    AddBarcode(bcMSI, QStringLiteral("123"), 3, 700, 60);
    TZpDataConnections none;
    TZpScanReport report = VerifyRun(Objects, Layout, none, Labels(1, 1), 300);
    report.LabelName = QStringLiteral("shelf.zp3");
    EXPECT_TRUE(report.Failed());
    EXPECT_EQ(
        report.Text(),
        QStringLiteral("Scan check of \"shelf.zp3\" at 300 dpi, 1 labels\n"
                       "label 1, \"Code1\" (Code 128): data \"A,\"B\"\", read \"A,\"B\"\", narrowest bar 3, "
                       "space 3 dots: ok\n"
                       "label 1, \"Code2\" (UPC-A): data \"bad\", read \"\", narrowest bar -, space - dots: "
                       "FAILED (invalid data for the symbology)\n"
                       "label 1, \"Code3\" (MSI/Plessey): data \"123\", read \"\", narrowest bar 3, space 3 "
                       "dots: not checked\n"
                       "3 symbols: 1 ok, 1 FAILED, 1 not checked\n"));
    const QStringList lines = report.Csv().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("label,record,object,symbology,data,decoded,narrowest_bar_dots,"
                                       "narrowest_space_dots,dpi,verdict,note"));
    // Commas and quotes stay inside their fields.
    EXPECT_EQ(lines[1], QStringLiteral("1,0,Code1,Code 128,\"A,\"\"B\"\"\",\"A,\"\"B\"\"\",3,3,300,ok,"));
    EXPECT_EQ(lines[2], QStringLiteral("1,0,Code2,UPC-A,bad,,,,300,FAILED,invalid data for the symbology"));
}

// The shipped demo, every product's EAN-13 read back at the resolutions of
// a label printer, a laser printer and the PDF device.
TEST(DemoScanTest, EverySymbolOfTheDemoPasses) {
    test::ClearStore();
    const int previous = LabelDPI();
    TZpScriptedDialogsGuard dialogs;
    TZpLabelDocument doc;
    LoadLabelDocument(doc, QStringLiteral(ZP_SAMPLE_DIR "/product-label.zp3"), true);
    doc.PrintInfo().StartLabel = 1;
    doc.PrintInfo().Copies = 1;
    doc.PrintInfo().AllRecords = true;
    const int products = doc.Environment().Connections().RecordCount();
    ASSERT_GT(products, 0);
    for (const int dpi : {203, 300, 600}) {
        const TZpScanReport report = VerifyDocument(doc, dpi);
        EXPECT_EQ(report.Labels, products) << dpi;
        EXPECT_FALSE(report.Failed()) << report.Text().toStdString();
        for (const TZpScanResult& r : report.Results)
            EXPECT_EQ(r.Verdict, TZpScanVerdict::Ok) << dpi << ": " << r.Data.toStdString();
        EXPECT_EQ(report.Results.back().Record, products) << dpi;
    }
    SetLabelDPI(previous);
}

} // namespace
} // namespace zp
