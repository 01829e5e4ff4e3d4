// SPDX-License-Identifier: MIT
#pragma once

#include "print/PreviewJob.h"

#include <QDialog>
#include <QScrollArea>
#include <functional>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zp {

class TZpPrintDialog;

/// The page being shown, drawn at the size the zoom gives it.
class TPreviewPage : public QWidget {
public:
    explicit TPreviewPage(QWidget* parent = nullptr) : QWidget(parent) {}
    void SetPicture(const QPicture* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPicture* FPicture = nullptr;
};

/// "Print Preview": the preview run's pages, paged and zoomed, printable
/// with a page range and copies.
class TfrmPrintPreview : public QDialog {
    Q_OBJECT
public:
    enum class TZoom { WholePage, PageWidth, ActualSize, Percentage };

    explicit TfrmPrintPreview(TZpPreviewRequest& request, QWidget* parent = nullptr);

    [[nodiscard]] int PageIndex() const { return FPage; }
    void GoToPage(int index);
    void SetZoom(TZoom zoom);
    void SetPercentage(int percent);
    /// The print dialog of "Print"; tests answer it. True when confirmed.
    std::function<bool(TZpPrintDialog&)> RunPrintDialog;

    QAction* acPrint;
    QAction* acZoomWhole;
    QAction* acZoomWidth;
    QAction* acZoomActual;
    QSpinBox* spnZoom;
    QAction* acFirst;
    QAction* acPrevious;
    QLineEdit* edtPage;
    QAction* acNext;
    QAction* acLast;
    QAction* acClose;
    QScrollArea* Scroll;
    TPreviewPage* Page;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyZoom();
    void UpdatePaging();
    void PrintPages();

    TZpPreviewRequest& FRequest;
    int FPage = 0;
    TZoom FZoom = TZoom::WholePage;
    bool FShowingZoom = false;
};

/// The preview window for the engine: shown modally, maximised.
void ShowPreviewWindow(TZpPreviewRequest& request);

} // namespace zp
