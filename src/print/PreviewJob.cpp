// SPDX-License-Identifier: MIT
#include "print/PreviewJob.h"

#include "base/Color.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "base/Rounding.h"
#include "data/WaitCursor.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/LabelWalk.h"
#include "print/PrintInfo.h"
#include "print/RunSources.h"

#include <QPainter>

namespace zp {

namespace {

TZpPreviewWindow& PreviewWindow() {
    static TZpPreviewWindow window;
    return window;
}

// One page picture being drawn.
class TPreviewPage {
public:
    TPreviewPage(TZpPreviewPages& pages, const TLabelProperties& layout) : FPages(pages) {
        const int screen = ScreenPixelsPerInch();
        FPicture.setBoundingRect(
            QRect(0, 0, Round(double(screen) * layout.PageWidth), Round(double(screen) * layout.PageHeight)));
        FPainter.begin(&FPicture);
        ApplyLabelMapping(FPainter);
        const int dpi = LabelDPI();
        FPainter.fillRect(
            QRect(0, 0, Round(double(dpi) * layout.PageWidth), Round(double(dpi) * layout.PageHeight)),
            ToQColor(clScrollBar));
    }
    QPainter& Painter() { return FPainter; }
    void Finish() {
        FPainter.end();
        FPages.push_back(std::move(FPicture));
    }

private:
    TZpPreviewPages& FPages;
    QPicture FPicture;
    QPainter FPainter;
};

void OutlineLabel(QPainter& painter, const TLabelProperties& layout, TPoint origin) {
    const double dpi = LabelDPI();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::white);
    const QRect r(origin.X, origin.Y, Round(dpi * layout.Width), Round(dpi * layout.Height));
    switch (layout.LabelShape) {
    case lsRoundRect:
        painter.drawRoundedRect(r, Round(dpi * layout.EllipseWidth) / 2.0,
                                Round(dpi * layout.EllipseHeight) / 2.0, Qt::AbsoluteSize);
        break;
    case lsEllipse:
        painter.drawEllipse(r);
        break;
    default:
        painter.drawRect(r);
        break;
    }
}

void OutlinePrintable(QPainter& painter, const TLabelProperties& layout, TPoint offset) {
    if (offset.X == 0 && offset.Y == 0)
        return;
    const double dpi = LabelDPI();
    painter.resetTransform();
    ApplyLabelMapping(painter);
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(offset.X, offset.Y, Round(dpi * layout.PageWidth) - 2 * offset.X,
                           Round(dpi * layout.PageHeight) - 2 * offset.Y));
}

} // namespace

void SetPreviewWindow(TZpPreviewWindow window) {
    PreviewWindow() = std::move(window);
}

TZpPreviewPages BuildPreviewPages(const TZpObjectList& objects, const TLabelProperties& layout,
                                  TZpDataConnections& connections, const TZpPrintInfo& info) {
    TZpLabelWalk walk(layout, connections, info);
    TZpRunSources sources(objects);
    const std::vector<IZpPaint*> printable = TZpRunSources::PrintableObjects(objects);
    TZpPrinter& printer = ZpPrinter();
    const int dpi = LabelDPI();
    const TPoint deviceDpi = printer.DotsPerInch();
    const TPoint deviceOffset = printer.PhysicalOffset();
    const TPoint offset{deviceDpi.X > 0 ? Round(double(deviceOffset.X) / deviceDpi.X * dpi) : 0,
                        deviceDpi.Y > 0 ? Round(double(deviceOffset.Y) / deviceDpi.Y * dpi) : 0};
    const int32_t x0 = Round(double(dpi) * layout.LeftMargin);
    const int32_t y0 = Round(double(dpi) * layout.TopMargin);

    TZpWaitCursor hourglass;
    std::unique_ptr<IZpProgress> progress = ZpDialogs().CreateProgress(TZpProgressKind::GeneratingLabels);
    TZpPreviewPages pages;
    walk.Start();
    int copyIndex = 0;
    int labelCount = 0;
    if (!walk.PrepareData(sources, false, false))
        return pages;
    bool done = false;

    const QString generating = QLatin1String(progress_texts::kGeneratingPages);
    auto page = std::make_unique<TPreviewPage>(pages, layout);
    QString pageLine = QString::fromLatin1(progress_texts::kPageNumber).arg(1);
    while (!done) {
        progress->Update(generating, pageLine);
        if (progress->Cancelled())
            throw EZpAbort();
        const int copiesNow = walk.CopiesNow();
        QPainter& painter = page->Painter();
        const TPoint origin = walk.Origin(x0, y0);
        ApplyLabelMapping(painter);
        OutlineLabel(painter, layout, origin);
        painter.translate(origin.X, origin.Y);
        for (IZpPaint* paint : printable)
            paint->Draw(painter);
        ++copyIndex;
        ++labelCount;
        done = walk.LabelMade(sources, false, copyIndex, copiesNow, labelCount);
        if (walk.MoveOn() && !done) {
            OutlinePrintable(page->Painter(), layout, offset);
            page->Finish();
            pageLine = QString::fromLatin1(progress_texts::kPageNumber).arg(pages.size() + 1);
            page = std::make_unique<TPreviewPage>(pages, layout);
        }
    }
    OutlinePrintable(page->Painter(), layout, offset);
    page->Finish();
    return pages;
}

void BuildPreview(const TZpObjectList& objects, const TLabelProperties& layout,
                  TZpDataConnections& connections, const QString& title, TZpPrintInfo& info) {
    TZpPreviewPages pages = BuildPreviewPages(objects, layout, connections, info);
    if (!PreviewWindow())
        return;
    TZpPreviewRequest request{objects, layout, connections, title, info, pages};
    PreviewWindow()(request);
}

} // namespace zp
