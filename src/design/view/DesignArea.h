// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/EditSession.h"
#include "design/view/DesignPainting.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QRegion>

namespace zp {

class TZpTool;
struct TZpPointerEvent;

/// The zoom steps of the zoom commands, in percent.
inline constexpr int kZoomSteps[] = {25, 50, 75, 100, 200, 400};

/// The design area: shows the session's label with rulers and guides at a
/// zoom, scrolls it, and hands pointer and key events to the active tool.
/// The label and the rulers are painted once into a cached layer; moving the
/// pointer repaints only what lies over it (handles, guides, ruler marks and
/// the tool's outlines).
class TZpDesignArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TZpDesignArea(TZpEditSession& session, QWidget* parent = nullptr);
    ~TZpDesignArea() override;

    [[nodiscard]] TZpEditSession& Session() { return FSession; }

    /// The active tool (not owned), or null: then the area handles only the
    /// rulers' corner and the guides.
    void SetTool(TZpTool* tool);
    [[nodiscard]] TZpTool* Tool() const { return FTool; }

    // Mapping between label pixels and the area's (logical) pixels.
    [[nodiscard]] int ScreenPixelsPerInch() const { return FScreenPpi; }
    /// Tests fix the screen resolution; the ruler metrics follow.
    void SetScreenPixelsPerInch(int ppi);
    /// The thickness of the ruler bands; 0 when rulers are hidden.
    [[nodiscard]] int RulerPixels() const;
    [[nodiscard]] int HScroll() const;
    [[nodiscard]] int VScroll() const;
    void SetHScroll(int value);
    void SetVScroll(int value);
    [[nodiscard]] TZpViewMapping Mapping() const;
    /// The scroll ranges: the label's size on screen, with 15 % more along
    /// an axis where it does not fit.
    [[nodiscard]] QSize ScrollExtent() const;
    [[nodiscard]] TPoint DeviceToLabel(QPoint device) const;
    [[nodiscard]] QPoint LabelToDevice(TPoint label) const;

    // Zoom.
    [[nodiscard]] int Zoom() const;
    /// Held within 25..400 %; keeps the scroll offsets within the label.
    void SetZoom(int percent);
    /// Zooms keeping the label point under devicePoint where it is.
    void ZoomAbout(int percent, QPoint devicePoint);
    /// The largest zoom at which the whole label is shown.
    void ZoomToFit();

    // Colours.
    [[nodiscard]] QColor LabelColor() const { return FLabelColor; }
    void SetLabelColor(QColor color);
    [[nodiscard]] QColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(QColor color);

    // Snapping (for the tools).
    /// Moves a device point back to the previous ruler tick when snapping to
    /// rulers is on.
    [[nodiscard]] QPoint SnapPointToRulers(QPoint device) const;
    /// The rectangle (label pixels) moved onto nearby guides when snapping
    /// to guides is on.
    [[nodiscard]] TRect SnapRectToGuides(const TRect& rect) const;
    /// The cursor over a guide (split cursors) or null when there is none or
    /// the guides are locked.
    [[nodiscard]] std::optional<QCursor> GuideCursorAt(TPoint label) const;

    /// Ends the in-place edit, if one is open; what the editor could not
    /// store is reported in a message box.
    void EndInPlaceEdit();

    // Repainting (for the tools).
    /// Scroll ranges recomputed, the whole area repainted.
    void RefreshView();
    /// The label layer under a label rectangle (with room for handles) is
    /// painted again.
    void InvalidateLabelRect(const TRect& rect);
    /// The object's area, and its track rectangle when asked and set.
    void InvalidateObject(const TZpObjectPtr& object, bool includeTrackRect);
    /// Only the overlays are painted again (the tool's outlines moved).
    void UpdateOverlay();
    /// Pointer marks on the rulers at a device point; (-1, -1) removes them.
    void SetRulerMarks(QPoint device);

    /// Everything drawn into painter as a paint of the whole area would; with
    /// useCache false the label layer is drawn afresh (benchmarks, tests).
    void PaintArea(QPainter& painter, const QRect& rect, bool useCache);

Q_SIGNALS:
    /// The pointer over the label, in inches-at-100 % screen pixels from the
    /// label's origin (the status bar shows it).
    void PointerMoved(QPoint position);
    void ZoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// One new object bound to the fields dragged from the data window.
    void DropFields(QDropEvent* event);

private:
    void SessionChanged(TZpChanges changes);
    void StartSelectionDrag();
    void UpdateScrollBars();
    void InvalidateLayer(const QRect& deviceRect);
    void InvalidateWholeLayer();
    void RenderLayer(QPainter& painter, const QRect& clip);
    void PaintOverlays(QPainter& painter, const QRect& clip);
    void PaintGuides(QPainter& painter);
    [[nodiscard]] TZpPointerEvent PointerEvent(const QMouseEvent& event, bool snap) const;
    [[nodiscard]] TZpRulerView RulerView() const;
    [[nodiscard]] QSize LabelScreenSize() const;
    bool StartGuideDrag(QPoint device);
    void ClampZoom();

    TZpEditSession& FSession;
    TZpTool* FTool = nullptr;
    int FScreenPpi;
    QColor FLabelColor = Qt::white;
    QColor FBackgroundColor;
    QPixmap FLayer;
    QRegion FLayerDirty;
    bool FLayerValid = false;
    QPoint FMarks{-1, -1};
    QSize FScrollExtent;
    /// The object a left press hit, while the button is down.
    TZpObjectPtr FCarryFrom;
};

} // namespace zp
