// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/ViewGeometry.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QTransform>

class QPainter;

namespace zp {

/// The painter transform that draws label pixels through the mapping.
[[nodiscard]] QTransform LabelTransform(const TZpViewMapping& mapping);

/// The label's size in label pixels at the given resolution.
[[nodiscard]] TRect LabelRect(const TLabelProperties& layout, int labelDpi);

/// The label face: filled with labelColor, outlined in black, shaped as the
/// stock (rectangle, rounded rectangle, ellipse).
void PaintLabelFace(QPainter& painter, const TZpViewMapping& mapping, const TLabelProperties& layout,
                    QColor labelColor);

/// Every object that may reach into the clip rectangle (device pixels), in
/// drawing order, by the objects' own drawing code, the same as printing.
void PaintObjects(QPainter& painter, const TZpViewMapping& mapping, const TZpObjectList& objects,
                  const QRect& clip);

/// The red dotted lines where the printer's unprintable margins cut into the
/// outermost labels of the sheet; offset and printerDpi in printer dots.
void PaintUnprintable(QPainter& painter, const TZpViewMapping& mapping, const TLabelProperties& layout,
                      QPoint offset, QPoint printerDpi);

/// What the two rulers show.
struct TZpRulerView {
    int RulerPixels = 0;
    int HScroll = 0;
    int VScroll = 0;
    QSize Client;
    int ScreenPpi = 96;
    TZpRulerUnits Units = ruInches;
    int UnitPixels = 96;
    int SubUnits = 32;
    QColor RulerColor = Qt::white;
};

/// The corner square and the top and left rulers, where clip reaches.
void PaintRulers(QPainter& painter, const TZpRulerView& view, const QRect& clip);

/// Inverts the selection handles of the objects (the handles of a line at
/// its two ends, of any other object around its rectangle).
void PaintSelectionHandles(QPainter& painter, const TZpViewMapping& mapping, const TZpObjectList& selection);

} // namespace zp
