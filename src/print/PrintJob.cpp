// SPDX-License-Identifier: MIT
#include "print/PrintJob.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "base/Rounding.h"
#include "data/DataConnections.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/LabelWalk.h"
#include "print/PrintInfo.h"
#include "print/RunSources.h"

#include <QPainter>
#include <algorithm>
#include <limits>

namespace zp {

namespace {

const QString kBeforePrint = QStringLiteral("BeforePrintData");
const QString kAfterPrint = QStringLiteral("AfterPrintData");

// The painter goes back to the page's own mapping whatever the objects did.
class TMappingGuard {
public:
    explicit TMappingGuard(QPainter& painter) : FPainter(painter) {}
    ~TMappingGuard() { FPainter.resetTransform(); }
    TMappingGuard(const TMappingGuard&) = delete;
    TMappingGuard& operator=(const TMappingGuard&) = delete;

private:
    QPainter& FPainter;
};

// The labels the run is expected to make, for the progress bar only.
int ExpectedLabels(const TZpPrintInfo& info, const TZpDataConnections& data, const TZpLabelWalk& walk) {
    if (info.CurrentRecordOnly)
        return std::max(info.Copies, 1);
    if (walk.RecordMode())
        return int(std::min<int64_t>(int64_t(data.RecordCount()) *
                                         std::max(info.CopiesFromField ? 1 : info.Copies, 1),
                                     std::numeric_limits<int32_t>::max()));
    return info.TotalLabels;
}

} // namespace

void RunPrintJob(const TZpObjectList& objects, const TLabelProperties& layout,
                 TZpDataConnections& connections, const QString& title, const TZpPrintInfo& info) {
    TZpLabelWalk walk(layout, connections, info);
    TZpRunSources sources(objects);
    const std::vector<IZpPaint*> printable = TZpRunSources::PrintableObjects(objects);
    TZpPrinter& printer = ZpPrinter();

    printer.SetTitle(title);
    const auto orientation = TPrinterOrientation(layout.PageOrientation == 0 ? poPortrait : poLandscape);
    if ((printer.Capabilities() & pcOrientation) && printer.Orientation() != orientation)
        printer.SetOrientation(orientation);
    std::unique_ptr<IZpProgress> progress = ZpDialogs().CreateProgress(TZpProgressKind::GeneratingLabels);
    printer.StartJob();
    try {
        const int dpi = LabelDPI();
        const TPoint offset = printer.PhysicalOffset();
        const TPoint deviceDpi = printer.DotsPerInch();
        const int32_t x0 = Round(double(dpi) * layout.LeftMargin - offset.X);
        const int32_t y0 = Round(double(dpi) * layout.TopMargin - offset.Y);
        const double toDeviceX = double(deviceDpi.X) / dpi;
        const double toDeviceY = double(deviceDpi.Y) / dpi;

        walk.Start();
        int page = 1;
        int copyIndex = 0;
        int labelCount = 0;
        int drawn = 0;
        bool done = !walk.PrepareData(sources, true, true);

        const QString generating = QLatin1String(progress_texts::kGeneratingPages);
        const int expected = ExpectedLabels(info, connections, walk);
        int shownPage = -1;
        QString pageLine;
        while (!done) {
            if (printer.PageNumber() != shownPage) {
                shownPage = printer.PageNumber();
                pageLine = QString::fromLatin1(progress_texts::kPageNumber).arg(shownPage);
            }
            progress->Update(generating, pageLine);
            progress->SetPosition(labelCount, expected, QString());
            if (progress->Cancelled()) {
                printer.AbortJob();
                throw EZpAbort();
            }
            const int copiesNow = walk.CopiesNow();
            sources.RunScripts(kBeforePrint);
            if (page >= info.FromPage) {
                QPainter& painter = printer.Canvas().Painter();
                const TPoint origin = walk.Origin(x0, y0);
                TMappingGuard guard(painter);
                ApplyLabelMapping(painter, QPointF(origin.X * toDeviceX, origin.Y * toDeviceY), dpi);
                for (IZpPaint* paint : printable)
                    paint->Draw(painter);
                ++drawn;
            }
            sources.RunScripts(kAfterPrint);
            sources.LabelDone();
            ++copyIndex;
            ++labelCount;
            done = walk.LabelMade(sources, true, copyIndex, copiesNow, labelCount);
            if (walk.MoveOn() && !done) {
                if (info.FromPage <= page && page < info.ToPage)
                    printer.NextPage();
                ++page;
                if (page > info.ToPage)
                    done = true;
            }
        }
        // A run that drew no label (none made, or a page range past its end)
        // delivers no blank sheet.
        if (drawn > 0)
            printer.EndJob();
        else
            printer.AbortJob();
        progress.reset();
        // A run that printed nothing moves no serial number on.
        sources.ClosingStep(info.UpdateSerials && labelCount > 0);
    } catch (...) {
        // Whatever was drawn is thrown away: a failed run leaves no partial
        // output behind.
        if (printer.Printing())
            printer.AbortJob();
        throw;
    }
}

} // namespace zp
