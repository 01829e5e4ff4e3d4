// SPDX-License-Identifier: MIT
#include "print/dialogs/PrintPreview.h"

#include "base/Errors.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/PrintInfo.h"
#include "print/PrintJob.h"
#include "print/dialogs/PrintDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace zp {

void TPreviewPage::SetPicture(const QPicture* picture) {
    FPicture = picture;
    update();
}

void TPreviewPage::paintEvent(QPaintEvent*) {
    if (!FPicture)
        return;
    const QRect page = FPicture->boundingRect();
    if (page.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(width()) / page.width(), double(height()) / page.height());
    painter.translate(-page.topLeft());
    painter.drawPicture(0, 0, *FPicture);
}

TfrmPrintPreview::TfrmPrintPreview(TZpPreviewRequest& request, QWidget* parent)
    : QDialog(parent), FRequest(request) {
    setWindowTitle(QStringLiteral("Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(414, 412);
    RunPrintDialog = [this](TZpPrintDialog& dialog) { return dialog.Execute(this); };

    auto* bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* s = style();
    acPrint = bar->addAction(QIcon::fromTheme(QStringLiteral("document-print")), QStringLiteral("Print"));
    bar->addSeparator();
    auto* zoomGroup = new QActionGroup(this);
    zoomGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    acZoomWhole = bar->addAction(QIcon::fromTheme(QStringLiteral("zoom-fit-best")),
                                 QStringLiteral("Zoom to view whole page"));
    acZoomWidth = bar->addAction(QIcon::fromTheme(QStringLiteral("zoom-fit-width")),
                                 QStringLiteral("Zoom to page width"));
    acZoomActual = bar->addAction(QIcon::fromTheme(QStringLiteral("zoom-original")),
                                  QStringLiteral("Zoom to actual size"));
    // Short captions keep the toolbar on one line; the full names are the tips.
    const std::pair<QAction*, QString> shortCaptions[] = {{acZoomWhole, QStringLiteral("Whole page")},
                                                          {acZoomWidth, QStringLiteral("Page width")},
                                                          {acZoomActual, QStringLiteral("Actual size")}};
    for (const auto& [a, caption] : shortCaptions) {
        a->setCheckable(true);
        a->setToolTip(a->text());
        a->setIconText(caption);
        zoomGroup->addAction(a);
    }
    spnZoom = new QSpinBox;
    spnZoom->setRange(1, 1000);
    spnZoom->setSuffix(QStringLiteral("%"));
    spnZoom->setToolTip(QStringLiteral("Zoom percentage"));
    spnZoom->setAccessibleName(QStringLiteral("Zoom percentage"));
    bar->addWidget(spnZoom);
    bar->addSeparator();
    acFirst = bar->addAction(s->standardIcon(QStyle::SP_MediaSkipBackward), QStringLiteral("First page"));
    acPrevious =
        bar->addAction(s->standardIcon(QStyle::SP_MediaSeekBackward), QStringLiteral("Previous page"));
    edtPage = new QLineEdit;
    edtPage->setReadOnly(true);
    edtPage->setAlignment(Qt::AlignCenter);
    edtPage->setMaximumWidth(140);
    bar->addWidget(edtPage);
    acNext = bar->addAction(s->standardIcon(QStyle::SP_MediaSeekForward), QStringLiteral("Next page"));
    acLast = bar->addAction(s->standardIcon(QStyle::SP_MediaSkipForward), QStringLiteral("Last page"));
    bar->addSeparator();
    acClose = bar->addAction(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Close"));
    for (QAction* a : {acFirst, acPrevious, acNext, acLast}) {
        a->setToolTip(a->text());
        if (QWidget* button = bar->widgetForAction(a))
            static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

    Scroll = new QScrollArea;
    Scroll->setBackgroundRole(QPalette::Dark);
    Page = new TPreviewPage;
    Page->setAutoFillBackground(true);
    Page->setBackgroundRole(QPalette::Base);
    Scroll->setWidget(Page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(Scroll, 1);

    connect(acPrint, &QAction::triggered, this, [this] { PrintPages(); });
    connect(acZoomWhole, &QAction::triggered, this, [this] { SetZoom(TZoom::WholePage); });
    connect(acZoomWidth, &QAction::triggered, this, [this] { SetZoom(TZoom::PageWidth); });
    connect(acZoomActual, &QAction::triggered, this, [this] { SetZoom(TZoom::ActualSize); });
    connect(spnZoom, &QSpinBox::valueChanged, this, [this](int percent) {
        if (!FShowingZoom)
            SetPercentage(percent);
    });
    connect(acFirst, &QAction::triggered, this, [this] { GoToPage(0); });
    connect(acPrevious, &QAction::triggered, this, [this] { GoToPage(FPage - 1); });
    connect(acNext, &QAction::triggered, this, [this] { GoToPage(FPage + 1); });
    connect(acLast, &QAction::triggered, this, [this] { GoToPage(int(FRequest.Pages.size()) - 1); });
    connect(acClose, &QAction::triggered, this, &QDialog::accept);

    const QRect first = FRequest.Pages.empty() ? QRect() : FRequest.Pages.front().boundingRect();
    GoToPage(0);
    SetZoom(first.width() > first.height() ? TZoom::PageWidth : TZoom::WholePage);
}

void TfrmPrintPreview::GoToPage(int index) {
    const int count = int(FRequest.Pages.size());
    FPage = std::clamp(index, 0, std::max(0, count - 1));
    Page->SetPicture(count > 0 ? &FRequest.Pages[size_t(FPage)] : nullptr);
    UpdatePaging();
}

void TfrmPrintPreview::UpdatePaging() {
    const int count = int(FRequest.Pages.size());
    edtPage->setText(QStringLiteral("Page %1 of %2").arg(count > 0 ? FPage + 1 : 0).arg(count));
    acFirst->setEnabled(FPage > 0);
    acPrevious->setEnabled(FPage > 0);
    acNext->setEnabled(FPage < count - 1);
    acLast->setEnabled(FPage < count - 1);
}

void TfrmPrintPreview::SetZoom(TZoom zoom) {
    FZoom = zoom;
    acZoomWhole->setChecked(zoom == TZoom::WholePage);
    acZoomWidth->setChecked(zoom == TZoom::PageWidth);
    acZoomActual->setChecked(zoom == TZoom::ActualSize);
    ApplyZoom();
}

void TfrmPrintPreview::SetPercentage(int percent) {
    FShowingZoom = true;
    spnZoom->setValue(percent);
    FShowingZoom = false;
    SetZoom(TZoom::Percentage);
}

void TfrmPrintPreview::ApplyZoom() {
    if (FRequest.Pages.empty())
        return;
    const QRect picture = FRequest.Pages[size_t(FPage)].boundingRect();
    if (picture.isEmpty())
        return;
    const double ratio = double(picture.height()) / picture.width(); // h/w
    const QSize view = Scroll->viewport()->size();
    double width = picture.width(), height = picture.height();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    switch (FZoom) {
    case TZoom::WholePage:
        height = view.height();
        width = height / ratio;
        alignment = Qt::AlignHCenter | Qt::AlignVCenter;
        break;
    case TZoom::PageWidth:
        width = view.width();
        height = ratio * width;
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
        break;
    case TZoom::ActualSize:
        break;
    case TZoom::Percentage:
        height = picture.height() * spnZoom->value() / 100.0;
        width = height / ratio;
        break;
    }
    Scroll->setAlignment(alignment);
    Page->resize(std::max(1, int(std::lround(width))), std::max(1, int(std::lround(height))));
    if (FZoom != TZoom::Percentage) {
        FShowingZoom = true;
        spnZoom->setValue(int(std::lround(height / picture.height() * 100)));
        FShowingZoom = false;
    }
}

void TfrmPrintPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ApplyZoom();
}

void TfrmPrintPreview::PrintPages() {
    TZpPrinter& printer = ZpPrinter();
    TZpPrintDialog dialog(printer);
    const int count = int(FRequest.Pages.size());
    dialog.FromPage = 1;
    dialog.MinPage = 1;
    dialog.MaxPage = count;
    dialog.ToPage = count;
    dialog.Options = poPageNums | poDisablePrintToFile;
    if (!RunPrintDialog(dialog))
        return;
    try {
        printer.SetCopies(dialog.Copies);
        if (dialog.PrintRange == prAllPages) {
            FRequest.Info.FromPage = 0;
            FRequest.Info.ToPage = std::numeric_limits<int32_t>::max();
        } else {
            FRequest.Info.FromPage = dialog.FromPage;
            FRequest.Info.ToPage = dialog.ToPage;
        }
        RunPrintJob(FRequest.Objects, FRequest.Layout, FRequest.Connections, FRequest.Title, FRequest.Info);
    } catch (const EZpAbort&) {
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
}

void ShowPreviewWindow(TZpPreviewRequest& request) {
    TfrmPrintPreview window(request, QApplication::activeWindow());
    window.setWindowState(Qt::WindowMaximized);
    window.exec();
}

} // namespace zp
