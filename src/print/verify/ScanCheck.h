// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"
#include "print/verify/BarWidths.h"
#include "print/verify/ScanReport.h"

#include <QImage>
#include <QPainterPath>
#include <vector>

namespace zp {

class IZpPaint;
class TLabelProperties;

/// Renders labels as a printer of the given resolution sets them (no
/// smoothing, cut at the label's edge) and reads each printable bar code
/// object back from its own area of the picture, with a quiet zone around
/// it. Only those areas are drawn, with every object that reaches into them.
/// One picture serves every label.
class TZpScanCheck {
public:
    TZpScanCheck(const TZpObjectList& objects, const TLabelProperties& layout, int dpi);

    [[nodiscard]] int Dpi() const { return FDpi; }
    [[nodiscard]] bool HasBarcodes() const { return !FBarcodes.empty(); }

    /// The label as its objects stand now: one result per bar code object.
    [[nodiscard]] std::vector<TZpScanResult> CheckLabel(int label, int record);

    /// The last rendered label (with its margin; only the symbols' areas are
    /// drawn), for diagnostics and tests.
    [[nodiscard]] const QImage& Picture() const { return FImage; }

private:
    [[nodiscard]] TZpScanResult Check(TZpObject& object, const TZpBarWidths& widths, const QRect& area) const;
    /// Label bounds as a device rectangle of the picture.
    [[nodiscard]] QRect DeviceRect(const TRect& bounds) const;
    /// Where a symbol is read: its bounds with quiet zones before and after.
    [[nodiscard]] QRect ReadArea(TZpObject& object) const;

    struct TPrintable {
        TZpObject* Object;
        IZpPaint* Paint;
    };

    /// A bar code object and its place in the label's object list (1-based).
    struct TBarcode {
        TZpObject* Object;
        int Number;
    };

    std::vector<TPrintable> FPrintable;
    std::vector<TBarcode> FBarcodes;
    int FDpi;
    int FMargin;
    QRect FLabel;
    QPainterPath FShape;
    QImage FImage;
};

} // namespace zp
