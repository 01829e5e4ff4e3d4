// SPDX-License-Identifier: MIT
#include "print/verify/ScanRun.h"

#include "base/Errors.h"
#include "data/DataConnections.h"
#include "model/document/LabelDocument.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/LabelWalk.h"
#include "print/PrintInfo.h"
#include "print/RunSources.h"
#include "print/verify/ScanCheck.h"

#include <QFileInfo>

namespace zp {

namespace {

const QString kBeforePrint = QStringLiteral("BeforePrintData");
const QString kAfterPrint = QStringLiteral("AfterPrintData");

} // namespace

TZpScanReport VerifyRun(const TZpObjectList& objects, const TLabelProperties& layout,
                        TZpDataConnections& connections, const TZpPrintInfo& info, int dpi) {
    TZpLabelWalk walk(layout, connections, info);
    TZpRunSources sources(objects);
    TZpScanCheck check(objects, layout, dpi);
    TZpScanReport report;
    report.Dpi = check.Dpi();

    std::unique_ptr<IZpProgress> progress = ZpDialogs().CreateProgress(TZpProgressKind::CheckingBarCodes);
    const int expected = walk.RecordMode() ? connections.RecordCount() : info.TotalLabels;
    const QString caption = QLatin1String(progress_texts::kCheckingText);
    const bool withData = connections.DatasetCount() > 0;
    walk.Start();
    int copyIndex = 0;
    bool done = !walk.PrepareData(sources, true, true);
    while (!done) {
        progress->SetPosition(report.Labels, expected, caption);
        if (progress->Cancelled())
            throw EZpAbort();
        const int copiesNow = walk.CopiesNow();
        sources.RunScripts(kBeforePrint);
        std::vector<TZpScanResult> results =
            check.CheckLabel(report.Labels + 1, withData ? connections.RecordIndex() + 1 : 0);
        // A copy that carries the same symbols as the label before it adds nothing.
        const bool repeat = copyIndex > 0 && results.size() <= report.Results.size() &&
                            std::equal(results.begin(), results.end(), report.Results.end() - results.size(),
                                       [](const TZpScanResult& a, const TZpScanResult& b) {
                                           return a.Object == b.Object && a.Data == b.Data &&
                                                  a.Verdict == b.Verdict && a.Decoded == b.Decoded;
                                       });
        if (!repeat)
            report.Results.insert(report.Results.end(), std::make_move_iterator(results.begin()),
                                  std::make_move_iterator(results.end()));
        sources.RunScripts(kAfterPrint);
        sources.LabelDone();
        ++copyIndex;
        ++report.Labels;
        done = walk.LabelMade(sources, true, copyIndex, copiesNow, report.Labels);
        walk.MoveOn();
    }
    progress.reset();
    sources.ClosingStep(false);
    return report;
}

TZpScanReport VerifyDocument(TZpLabelDocument& document, int dpi) {
    if (dpi <= 0)
        dpi = ZpPrinter().DotsPerInch().X;
    TZpScanReport report = VerifyRun(document.Objects(), document.Layout(),
                                     document.Environment().Connections(), document.PrintInfo(), dpi);
    report.LabelName = QFileInfo(document.FileName()).fileName();
    return report;
}

} // namespace zp
