// SPDX-License-Identifier: MIT
#include "print/dialogs/SheetPicture.h"

#include "base/Color.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/layout/LabelProperties.h"

#include <QPainter>

namespace zp {

int SheetLabelNumber(int column, int row, int columns, int rows, uint8_t direction) {
    return direction == 1 ? (row - 1) + (column - 1) * rows + 1 : (column - 1) + (row - 1) * columns + 1;
}

QRect SheetPictureRect(const QRect& box, double pageWidth, double pageHeight) {
    if (pageWidth <= 0 || pageHeight <= 0)
        return {};
    if (pageHeight > pageWidth) {
        const int width = int(box.height() * pageWidth / pageHeight);
        return {box.left() + (box.width() - width) / 2, box.top(), width, box.height()};
    }
    const int width = box.height();
    const int height = int(width * pageHeight / pageWidth);
    return {box.left() + (box.width() - width) / 2, box.top() + (box.height() - height) / 2, width, height};
}

int SheetLabelAt(const QRect& rect, const QPoint& point, int columns, int rows, uint8_t direction) {
    if (columns <= 0 || rows <= 0 || !rect.contains(point))
        return 0;
    const int columnWidth = rect.width() / columns;
    const int rowHeight = rect.height() / rows;
    // A picture narrower than its columns has no label to pick.
    if (columnWidth <= 0 || rowHeight <= 0)
        return 0;
    const int c = (point.x() - rect.left()) / columnWidth;
    const int d = (point.y() - rect.top()) / rowHeight;
    return direction == 1 ? d + c * rows + 1 : c + d * columns + 1;
}

void PaintSheetPicture(QPainter& painter, const QRect& rect, const TLabelProperties& layout, int startLabel,
                       uint8_t direction, TPoint printableOffset) {
    const int dpi = LabelDPI();
    const double pageWidth = double(dpi) * layout.PageWidth;
    const double pageHeight = double(dpi) * layout.PageHeight;
    if (rect.isEmpty() || pageWidth <= 0 || pageHeight <= 0)
        return;
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / pageWidth, rect.height() / pageHeight);
    painter.fillRect(QRectF(0, 0, pageWidth, pageHeight), ToQColor(clScrollBar));

    const int width = Round(double(dpi) * layout.Width);
    const int height = Round(double(dpi) * layout.Height);
    const bool several = layout.LabelsPerPage() > 1;
    QPen outline(Qt::black, 0);
    painter.setPen(outline);
    for (int row = 1; row <= layout.Rows; ++row) {
        for (int column = 1; column <= layout.Columns; ++column) {
            const int x = Round(double(dpi) * layout.LeftMargin) +
                          Round((column - 1) * double(layout.HorizontalPitch) * dpi);
            const int y =
                Round(double(dpi) * layout.TopMargin) + Round((row - 1) * double(layout.VerticalPitch) * dpi);
            const bool start = several && SheetLabelNumber(column, row, layout.Columns, layout.Rows,
                                                           direction) == startLabel;
            painter.setBrush(ToQColor(start ? clHighlight : clWindow));
            const QRectF r(x, y, width, height);
            switch (layout.LabelShape) {
            case lsRoundRect:
                painter.drawRoundedRect(r, Round(double(dpi) * layout.EllipseWidth) / 2.0,
                                        Round(double(dpi) * layout.EllipseHeight) / 2.0, Qt::AbsoluteSize);
                break;
            case lsEllipse:
                painter.drawEllipse(r);
                break;
            default:
                painter.drawRect(r);
                break;
            }
        }
    }
    if (printableOffset.X != 0 || printableOffset.Y != 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::red, 0, Qt::DashLine));
        painter.drawRect(QRectF(printableOffset.X, printableOffset.Y,
                                Round(pageWidth) - 2.0 * printableOffset.X,
                                Round(pageHeight) - 2.0 * printableOffset.Y));
    }
    painter.restore();
}

} // namespace zp
