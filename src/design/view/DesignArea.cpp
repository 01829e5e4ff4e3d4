// SPDX-License-Identifier: MIT
#include "design/view/DesignArea.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "data/FieldDrag.h"
#include "design/edit/Arrange.h"
#include "design/edit/Clipboard.h"
#include "design/edit/Rulers.h"
#include "design/tools/Tool.h"
#include "model/document/FieldDrop.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zp {

TZpDesignArea::TZpDesignArea(TZpEditSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), FSession(session), FScreenPpi(zp::ScreenPixelsPerInch()),
      FBackgroundColor(palette().color(QPalette::Dark)) {
    setObjectName(QStringLiteral("DesignArea"));
    setAccessibleName(QStringLiteral("Design area"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    // Fields dragged from the data window; other drops (files) go on to the window.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setAcceptDrops(true);
    connect(&FSession, &TZpEditSession::Changed, this, &TZpDesignArea::SessionChanged);
    ClampZoom();
    UpdateScrollBars();
}

TZpDesignArea::~TZpDesignArea() {
    if (FTool)
        FTool->Deactivate();
}

void TZpDesignArea::EndInPlaceEdit() {
    if (!FSession.IsEditing())
        return;
    const TZpObjectPtr object = FSession.EditedObject();
    try {
        FSession.EndInPlaceEdit();
    } catch (const std::exception& e) {
        ZpDialogs().MessageBox(TZpMsgKind::Error, QString::fromUtf8(e.what()), TZpButtons::Ok, TZpAnswer::Ok);
    }
    InvalidateObject(object, false);
    // The keys go back to the label.
    if (!hasFocus() && (!QApplication::focusWidget() || isAncestorOf(QApplication::focusWidget())))
        setFocus();
}

void TZpDesignArea::SetTool(TZpTool* tool) {
    EndInPlaceEdit();
    if (tool == FTool)
        return;
    if (FTool)
        FTool->Deactivate();
    FTool = tool;
    if (FTool)
        FTool->Activate(*this);
    viewport()->unsetCursor();
    UpdateOverlay();
}

void TZpDesignArea::SetScreenPixelsPerInch(int ppi) {
    FScreenPpi = std::max(1, ppi);
    RefreshView();
}

// Mapping

int TZpDesignArea::RulerPixels() const {
    const TZpIDEProperties& ide = FSession.Environment();
    if (!ide.ShowRulers || LabelDPI() <= 0)
        return 0;
    return std::clamp(Round(ide.RulerWidth / (double(LabelDPI()) / FScreenPpi)), 0, 1000);
}

int TZpDesignArea::HScroll() const {
    return horizontalScrollBar()->value();
}
int TZpDesignArea::VScroll() const {
    return verticalScrollBar()->value();
}
void TZpDesignArea::SetHScroll(int value) {
    horizontalScrollBar()->setValue(value);
}
void TZpDesignArea::SetVScroll(int value) {
    verticalScrollBar()->setValue(value);
}

TZpViewMapping TZpDesignArea::Mapping() const {
    const int ruler = RulerPixels();
    return TZpViewMapping::ForZoom(LabelDPI(), FScreenPpi, Zoom(), ruler - HScroll(), ruler - VScroll());
}

TPoint TZpDesignArea::DeviceToLabel(QPoint device) const {
    return Mapping().DeviceToLabel({device.x(), device.y()});
}

QPoint TZpDesignArea::LabelToDevice(TPoint label) const {
    const TPoint d = Mapping().LabelToDevice(label);
    return {d.X, d.Y};
}

// Zoom and scrolling

int TZpDesignArea::Zoom() const {
    return FSession.Environment().Scale();
}

void TZpDesignArea::ClampZoom() {
    TZpIDEProperties& ide = FSession.Environment();
    if (ide.Scale() < kMinZoom || ide.Scale() > kMaxZoom)
        ide.SetScale(std::clamp(ide.Scale(), kMinZoom, kMaxZoom));
}

QSize TZpDesignArea::LabelScreenSize() const {
    const TLabelProperties& layout = FSession.Document().Layout();
    const double s = FScreenPpi * Zoom() / 100.0;
    auto size = [s](float inches) { return Round(s * std::clamp(double(inches), 0.0, 1000.0)); };
    return {size(layout.Width), size(layout.Height)};
}

void TZpDesignArea::SetZoom(int percent) {
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (percent == Zoom())
        return;
    EndInPlaceEdit();
    FSession.Environment().SetScale(percent);
    const int ruler = RulerPixels();
    const QSize label = LabelScreenSize();
    const int visW = viewport()->width() - ruler;
    const int visH = viewport()->height() - ruler;
    // Set before the ranges change so that the bars keep what is left.
    const int h = std::min(HScroll(), label.width() - visW + 1);
    const int v = std::min(VScroll(), label.height() - visH + 1);
    RefreshView();
    SetHScroll(h);
    SetVScroll(v);
    Q_EMIT ZoomChanged(percent);
}

void TZpDesignArea::ZoomAbout(int percent, QPoint devicePoint) {
    const TPoint anchor = DeviceToLabel(devicePoint);
    SetZoom(percent);
    const QPoint now = LabelToDevice(anchor);
    SetHScroll(HScroll() + now.x() - devicePoint.x());
    SetVScroll(VScroll() + now.y() - devicePoint.y());
}

void TZpDesignArea::ZoomToFit() {
    const TLabelProperties& layout = FSession.Document().Layout();
    const int ruler = RulerPixels();
    const double visW = std::max(1, viewport()->width() - ruler - 1);
    const double visH = std::max(1, viewport()->height() - ruler - 1);
    const double w = FScreenPpi * std::max(double(layout.Width), 1e-3);
    const double h = FScreenPpi * std::max(double(layout.Height), 1e-3);
    SetZoom(int(std::floor(100 * std::min(visW / w, visH / h))));
}

void TZpDesignArea::UpdateScrollBars() {
    const TZpIDEProperties& ide = FSession.Environment();
    const int ruler = RulerPixels();
    const QSize client = viewport()->size();
    QSize label = LabelScreenSize();
    // The allowance compares with the ruler band taken off, shown or not.
    const double band = LabelDPI() > 0 ? ide.RulerWidth / (double(LabelDPI()) / FScreenPpi) : 0;
    if (label.width() > Round(client.width() - band))
        label.setWidth(Round(label.width() * 1.15));
    if (label.height() > Round(client.height() - band))
        label.setHeight(Round(label.height() * 1.15));
    auto set = [](QScrollBar* bar, int extent, int visible) {
        const int page = std::max(1, visible);
        if (extent < visible)
            bar->setValue(0);
        bar->setPageStep(page);
        bar->setSingleStep(std::max(1, extent / 4));
        bar->setRange(0, std::max(0, extent - page + 1));
    };
    FScrollExtent = label;
    set(verticalScrollBar(), label.height(), client.height() - ruler);
    set(horizontalScrollBar(), label.width(), client.width() - ruler);
}

QSize TZpDesignArea::ScrollExtent() const {
    return FScrollExtent;
}

// Colours

void TZpDesignArea::SetLabelColor(QColor color) {
    FLabelColor = color;
    InvalidateWholeLayer();
}

void TZpDesignArea::SetBackgroundColor(QColor color) {
    FBackgroundColor = color;
    InvalidateWholeLayer();
}

// Snapping and guides

QPoint TZpDesignArea::SnapPointToRulers(QPoint device) const {
    const TZpIDEProperties& ide = FSession.Environment();
    if (!ide.SnapToRulers || ide.RulerSubUnits() <= 0)
        return device;
    const int band =
        ide.ShowRulers && LabelDPI() > 0 ? Round(ide.RulerWidth / (double(LabelDPI()) / FScreenPpi)) : 0;
    const float tick = float(ide.RulerUnitPixels()) / float(ide.RulerSubUnits());
    return {SnapToRulerTick(device.x(), band - HScroll(), tick),
            SnapToRulerTick(device.y(), band - VScroll(), tick)};
}

TRect TZpDesignArea::SnapRectToGuides(const TRect& rect) const {
    return zp::SnapRectToGuides(rect, FSession.Environment(), LabelDPI());
}

std::optional<QCursor> TZpDesignArea::GuideCursorAt(TPoint label) const {
    const TZpIDEProperties& ide = FSession.Environment();
    if (ide.LockGuides || !ide.ShowGuides)
        return std::nullopt;
    const int tolerance = Round(double(LabelDPI()) / FScreenPpi);
    if (FindGuide(ide.FGuidesY, label.Y, tolerance) >= 0)
        return QCursor(Qt::SplitVCursor);
    if (FindGuide(ide.FGuidesX, label.X, tolerance) >= 0)
        return QCursor(Qt::SplitHCursor);
    return std::nullopt;
}

bool TZpDesignArea::StartGuideDrag(QPoint device) {
    const TZpIDEProperties& ide = FSession.Environment();
    const int ruler = RulerPixels();
    const bool inRuler = device.x() < ruler || device.y() < ruler;
    if (ide.LockGuides || !ide.ShowGuides)
        return inRuler;
    const TPoint label = DeviceToLabel(device);
    const int tolerance = Round(double(LabelDPI()) / FScreenPpi);
    if (const int i = FindGuide(ide.FGuidesX, label.X, tolerance); i >= 0) {
        FSession.BeginGuideDrag(TZpGuideAxis::Vertical, i);
        viewport()->setCursor(Qt::SplitHCursor);
    } else if (const int j = FindGuide(ide.FGuidesY, label.Y, tolerance); j >= 0) {
        FSession.BeginGuideDrag(TZpGuideAxis::Horizontal, j);
        viewport()->setCursor(Qt::SplitVCursor);
    } else if (device.y() < ruler) {
        FSession.BeginGuideDrag(TZpGuideAxis::Horizontal, -1);
        viewport()->setCursor(Qt::SplitVCursor);
    } else if (device.x() < ruler) {
        FSession.BeginGuideDrag(TZpGuideAxis::Vertical, -1);
        viewport()->setCursor(Qt::SplitHCursor);
    } else {
        return false;
    }
    return true;
}

// Repainting

void TZpDesignArea::RefreshView() {
    SetRulerMarks({-1, -1});
    UpdateScrollBars();
    InvalidateWholeLayer();
}

void TZpDesignArea::InvalidateWholeLayer() {
    FLayerValid = false;
    FLayerDirty = QRegion();
    viewport()->update();
}

void TZpDesignArea::InvalidateLayer(const QRect& deviceRect) {
    const QRect r = deviceRect.intersected(viewport()->rect());
    if (r.isEmpty())
        return;
    FLayerDirty += r;
    viewport()->update(r);
}

void TZpDesignArea::InvalidateLabelRect(const TRect& rect) {
    const TRect d = HandleExtent(Mapping().LabelToDeviceRect(NormalizedRect(rect)));
    QRect r(QPoint(d.Left, d.Top), QPoint(d.Right, d.Bottom));
    const int ruler = RulerPixels();
    if (ruler > 0) {
        if (r.top() <= ruler)
            r.setTop(0);
        if (r.left() <= ruler)
            r.setLeft(0);
    }
    InvalidateLayer(r);
}

void TZpDesignArea::InvalidateObject(const TZpObjectPtr& object, bool includeTrackRect) {
    auto enlarged = [&object](TRect r) {
        if (!Supports<IZpLinear>(object))
            return r;
        const auto* style = Supports<IZpLineStyle>(object);
        const int w = style ? style->GetWidth() : 1;
        r = NormalizedRect(r);
        return TRect{r.Left - 3 * w, r.Top - 3 * w, r.Right + w, r.Bottom + w};
    };
    const TRect track = object->GetTrackRect();
    if (includeTrackRect && int64_t(track.Left) + track.Top + track.Right + track.Bottom > 0)
        InvalidateLabelRect(enlarged(track));
    InvalidateLabelRect(enlarged(object->GetBounds()));
}

void TZpDesignArea::UpdateOverlay() {
    viewport()->update();
}

void TZpDesignArea::SetRulerMarks(QPoint device) {
    if (device == FMarks)
        return;
    const int ruler = RulerPixels();
    for (QPoint p : {FMarks, device}) {
        if (p.x() > ruler)
            viewport()->update(QRect(p.x() - 1, 0, 3, ruler));
        if (p.y() > ruler)
            viewport()->update(QRect(0, p.y() - 1, ruler, 3));
    }
    FMarks = device;
}

TZpRulerView TZpDesignArea::RulerView() const {
    const TZpIDEProperties& ide = FSession.Environment();
    return {RulerPixels(),         HScroll(),           VScroll(),
            viewport()->size(),    FScreenPpi,          ide.RulerUnits(),
            ide.RulerUnitPixels(), ide.RulerSubUnits(), ToQColor(ide.RulerColor)};
}

void TZpDesignArea::RenderLayer(QPainter& painter, const QRect& clip) {
    const TZpIDEProperties& ide = FSession.Environment();
    const TLabelProperties& layout = FSession.Document().Layout();
    const TZpViewMapping m = Mapping();
    painter.fillRect(clip, FBackgroundColor);
    PaintLabelFace(painter, m, layout, FLabelColor);
    PaintObjects(painter, m, FSession.Objects(), clip);
    if (ide.ShowUnprintable) {
        TZpPrinter& printer = ZpPrinter();
        if (!printer.Printers().isEmpty())
            PaintUnprintable(painter, m, layout,
                             QPoint(printer.PhysicalOffset().X, printer.PhysicalOffset().Y),
                             QPoint(printer.DotsPerInch().X, printer.DotsPerInch().Y));
    }
    if (ide.ShowRulers)
        PaintRulers(painter, RulerView(), clip);
}

void TZpDesignArea::PaintGuides(QPainter& painter) {
    const TZpIDEProperties& ide = FSession.Environment();
    const TZpViewMapping m = Mapping();
    const QSize client = viewport()->size();
    painter.setPen(QPen(QColor(0, 0, 0xFF), 0));
    // A position held twice is drawn once.
    QSet<int32_t> seen;
    for (int32_t g : ide.FGuidesX) {
        if (g < 0 || seen.contains(g))
            continue;
        seen.insert(g);
        const int x = m.ToDeviceX(g);
        if (x >= 0 && x < client.width())
            painter.drawLine(x, std::max(0, m.ToDeviceY(0)), x, client.height());
    }
    seen.clear();
    for (int32_t g : ide.FGuidesY) {
        if (g < 0 || seen.contains(g))
            continue;
        seen.insert(g);
        const int y = m.ToDeviceY(g);
        if (y >= 0 && y < client.height())
            painter.drawLine(std::max(0, m.ToDeviceX(0)), y, client.width(), y);
    }
}

void TZpDesignArea::PaintOverlays(QPainter& painter, const QRect& clip) {
    const TZpIDEProperties& ide = FSession.Environment();
    const int ruler = RulerPixels();
    const QSize client = viewport()->size();
    painter.save();
    painter.setClipRect(
        clip.intersected(QRect(ruler, ruler, client.width() - ruler, client.height() - ruler)));
    PaintSelectionHandles(painter, Mapping(), FSession.Selection());
    if (ide.ShowGuides)
        PaintGuides(painter);
    if (FTool)
        FTool->PaintOverlay(painter);
    painter.restore();
    if (ruler > 0 && (FMarks.x() > ruler || FMarks.y() > ruler)) {
        painter.save();
        painter.setClipRect(clip);
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        if (FMarks.x() > ruler)
            painter.drawLine(FMarks.x(), 0, FMarks.x(), ruler - 1);
        if (FMarks.y() > ruler)
            painter.drawLine(0, FMarks.y(), ruler - 1, FMarks.y());
        painter.restore();
    }
}

void TZpDesignArea::PaintArea(QPainter& painter, const QRect& rect, bool useCache) {
    if (!useCache) {
        painter.save();
        painter.setClipRect(rect);
        RenderLayer(painter, rect);
        painter.restore();
    } else {
        const qreal dpr = viewport()->devicePixelRatioF();
        const QSize size = viewport()->size() * dpr;
        if (!FLayerValid || FLayer.size() != size) {
            FLayer = QPixmap(size);
            FLayer.setDevicePixelRatio(dpr);
            FLayerDirty = QRegion(viewport()->rect());
            FLayerValid = true;
        }
        if (!FLayerDirty.isEmpty()) {
            QPainter layer(&FLayer);
            layer.setClipRegion(FLayerDirty);
            RenderLayer(layer, FLayerDirty.boundingRect());
            FLayerDirty = QRegion();
        }
        const QRectF source(QPointF(rect.topLeft()) * dpr, QSizeF(rect.size()) * dpr);
        painter.drawPixmap(QRectF(rect), FLayer, source);
    }
    PaintOverlays(painter, rect);
}

void TZpDesignArea::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    PaintArea(painter, event->rect(), true);
}

void TZpDesignArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    InvalidateWholeLayer();
}

void TZpDesignArea::scrollContentsBy(int, int) {
    EndInPlaceEdit();
    SetRulerMarks({-1, -1});
    InvalidateWholeLayer();
}

void TZpDesignArea::SessionChanged(TZpChanges changes) {
    if (changes & (TZpChange::Layout | TZpChange::ObjectsAdded | TZpChange::ObjectsRemoved)) {
        ClampZoom();
        RefreshView();
    } else if (changes & TZpChange::ObjectsChanged) {
        InvalidateWholeLayer();
    } else if (changes & (TZpChange::Guides | TZpChange::Selection | TZpChange::Dragging)) {
        UpdateOverlay();
    }
}

// Events

TZpPointerEvent TZpDesignArea::PointerEvent(const QMouseEvent& event, bool snap) const {
    const QPoint raw = event.position().toPoint();
    const QPoint device = snap ? SnapPointToRulers(raw) : raw;
    return {device, DeviceToLabel(device), event.button(), event.buttons(), event.modifiers()};
}

void TZpDesignArea::mousePressEvent(QMouseEvent* event) {
    if (FSession.IsLocked() || (!FTool && event->button() != Qt::LeftButton))
        return;
    // A press beside an open editor only ends the edit.
    if (FSession.IsEditing()) {
        EndInPlaceEdit();
        return;
    }
    const QPoint p = event->position().toPoint();
    const int ruler = RulerPixels();
    if (p.x() < ruler && p.y() < ruler) {
        FSession.Environment().SetRulerUnits(NextRulerUnits(FSession.Environment().RulerUnits()));
        RefreshView();
        return;
    }
    if (event->button() == Qt::LeftButton && StartGuideDrag(p))
        return;
    // Alt+drag on the selection carries it out as the clipboard would.
    FCarryFrom.reset();
    if (event->button() == Qt::LeftButton) {
        const TZpObjectPtr hit = FSession.HitTest({p.x(), p.y()}, Mapping());
        if (hit && FSession.IsSelected(hit) && (event->modifiers() & Qt::AltModifier)) {
            StartSelectionDrag();
            return;
        }
        FCarryFrom = hit;
    }
    if (FTool)
        FTool->MousePress(PointerEvent(*event, false));
}

void TZpDesignArea::StartSelectionDrag() {
    TZpObjectList ordered;
    for (const TZpObjectPtr& o : FSession.Objects())
        if (FSession.IsSelected(o))
            ordered.push_back(o);
    auto* drag = new QDrag(this);
    drag->setMimeData(ObjectsToMimeData(ordered, FScreenPpi).release());
    drag->exec(Qt::CopyAction);
}

namespace {

// Label objects (another design area, another process) and fields from the
// data window are dropped here; files go on to the window.
bool AcceptsDrop(const QMimeData& data) {
    return OffersObjects(data) || data.hasFormat(QLatin1String(kFieldDragMimeType));
}

} // namespace

void TZpDesignArea::dragEnterEvent(QDragEnterEvent* event) {
    if (!FSession.IsLocked() && AcceptsDrop(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TZpDesignArea::dragMoveEvent(QDragMoveEvent* event) {
    if (!FSession.IsLocked() && AcceptsDrop(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TZpDesignArea::dropEvent(QDropEvent* event) {
    if (FSession.IsLocked())
        return;
    if (event->mimeData()->hasFormat(QLatin1String(kFieldDragMimeType))) {
        DropFields(event);
        return;
    }
    if (!OffersObjects(*event->mimeData()))
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    try {
        TZpClipboard clipboard(FSession);
        clipboard.DropObjects(event->mimeData()->data(QLatin1String(kObjectsMimeType)),
                              DeviceToLabel(event->position().toPoint()));
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
}

void TZpDesignArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const int ruler = RulerPixels();
    if (FSession.IsDraggingGuide()) {
        const TPoint label = DeviceToLabel(SnapPointToRulers(p));
        FSession.DragGuideTo(FSession.DraggedGuideAxis() == TZpGuideAxis::Vertical ? label.X : label.Y);
        return;
    }
    // Alt pressed once a drag on the selection is under way carries it out
    // too: window managers that move windows on Alt+press never pass that on.
    if (FCarryFrom && (event->buttons() & Qt::LeftButton) && (event->modifiers() & Qt::AltModifier) &&
        FSession.IsSelected(FCarryFrom)) {
        FCarryFrom.reset();
        if (FTool) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier); // puts a move back
            FTool->KeyPress(escape);
        }
        StartSelectionDrag();
        return;
    }
    const TZpPointerEvent pointer = PointerEvent(*event, true);
    if (FTool)
        FTool->MouseMove(pointer);
    if (event->buttons() == Qt::NoButton) {
        if (const auto cursor = GuideCursorAt(pointer.Label))
            viewport()->setCursor(*cursor);
        else if (FTool)
            viewport()->setCursor(FTool->CursorAt(pointer));
        else
            viewport()->unsetCursor();
    }
    if (p.x() < ruler || p.y() < ruler)
        return;
    if (!FTool || !FTool->IsDragging())
        SetRulerMarks(pointer.Device);
    if (!FSession.IsLocked()) {
        const double s = Zoom() / 100.0;
        Q_EMIT PointerMoved(
            QPoint(Round((p.x() + HScroll() - ruler) / s), Round((p.y() + VScroll() - ruler) / s)));
    }
}

void TZpDesignArea::mouseReleaseEvent(QMouseEvent* event) {
    FCarryFrom.reset();
    if (FSession.IsDraggingGuide()) {
        const QPoint p = SnapPointToRulers(event->position().toPoint());
        const TPoint label = DeviceToLabel(p);
        const int ruler = RulerPixels();
        const bool vertical = FSession.DraggedGuideAxis() == TZpGuideAxis::Vertical;
        FSession.EndGuideDrag(vertical ? label.X : label.Y, vertical ? p.x() < ruler : p.y() < ruler);
        viewport()->unsetCursor();
        return;
    }
    if (FTool && !FSession.IsLocked())
        FTool->MouseRelease(PointerEvent(*event, true));
}

void TZpDesignArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (FSession.IsEditing())
        mousePressEvent(event);
    else if (FTool && !FSession.IsLocked())
        FTool->MouseDoubleClick(PointerEvent(*event, false));
    else
        mousePressEvent(event);
}

void TZpDesignArea::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0)
        return;
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomAbout(delta > 0 ? ZoomInStep(Zoom()) : ZoomOutStep(Zoom()), event->position().toPoint());
    } else {
        // A page either way; the page of this area is a quarter of its range.
        QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) || event->angleDelta().y() == 0
                              ? horizontalScrollBar()
                              : verticalScrollBar();
        bar->setValue(bar->value() + (delta > 0 ? -1 : 1) * bar->singleStep());
    }
    event->accept();
}

void TZpDesignArea::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) {
        FSession.Undo();
        return;
    }
    if (event->matches(QKeySequence::Redo) ||
        (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
        FSession.Redo();
        return;
    }
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->value() + (event->key() == Qt::Key_PageDown ? 1 : -1) * bar->singleStep());
        return;
    }
    if (FTool && FTool->KeyPress(*event))
        return;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        // The arrow keys move the selection one screen pixel at the zoom.
        const int key = event->key();
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        if ((dx != 0 || dy != 0) && FSession.SelectedCount() > 0) {
            if (!Nudge(FSession, dx, dy, FScreenPpi))
                QApplication::beep();
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TZpDesignArea::leaveEvent(QEvent* event) {
    SetRulerMarks({-1, -1});
    QAbstractScrollArea::leaveEvent(event);
}

// Fields dropped from the data window

void TZpDesignArea::DropFields(QDropEvent* event) {
    const std::optional<TZpFieldDrag> drag =
        FSession.IsLocked() ? std::nullopt
                            : DecodeFieldDrag(event->mimeData()->data(QLatin1String(kFieldDragMimeType)));
    if (!drag) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    try {
        const TZpDropPlan plan = PlanFieldDrop(*drag, DeviceToLabel(event->position().toPoint()), LabelDPI());
        const TZpObjectPtr object = CreateDroppedObject(plan, &FSession.Document().Connections());
        if (!object)
            return;
        FSession.ClearSelection();
        FSession.AddObject(object);
        FSession.SelectObject(object);
    } catch (const std::exception& e) {
        // A field whose value cannot be read is still on the label; the
        // reason is said, as for any other command.
        const auto* error = dynamic_cast<const EZpError*>(&e);
        ShowMessage(TZpMsgKind::Error, error ? error->Message() : QString::fromUtf8(e.what()));
    }
}

} // namespace zp
