// SPDX-License-Identifier: MIT
#include "print/PrintChecks.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "data/DataConnections.h"
#include "model/data/ZpData.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/BarcodeProbe.h"
#include "settings/AppOptions.h"

#include <QRegion>
#include <QSet>

namespace zp {

namespace {

// Yes goes on; No selects the objects and stops; Cancel stops silently.
bool AskAboutObjects(const QString& text, const TZpObjectList& offending, TZpObjectList& selection) {
    switch (ZpDialogs().MessageBox(TZpMsgKind::Warning, text, TZpButtons::YesNoCancel, TZpAnswer::Yes)) {
    case TZpAnswer::Yes:
        return true;
    case TZpAnswer::No:
        selection = offending;
        return false;
    default:
        throw EZpAbort();
    }
}

QRegion LabelRegion(const TLabelProperties& layout) {
    const double dpi = LabelDPI();
    const int w = Round(dpi * layout.Width);
    const int h = Round(dpi * layout.Height);
    switch (layout.LabelShape) {
    case lsRoundRect: {
        const int ew = std::min(Round(dpi * layout.EllipseWidth), w);
        const int eh = std::min(Round(dpi * layout.EllipseHeight), h);
        QRegion r = QRegion(0, eh / 2, w, h - eh) + QRegion(ew / 2, 0, w - ew, h);
        r += QRegion(0, 0, ew, eh, QRegion::Ellipse);
        r += QRegion(w - ew, 0, ew, eh, QRegion::Ellipse);
        r += QRegion(0, h - eh, ew, eh, QRegion::Ellipse);
        r += QRegion(w - ew, h - eh, ew, eh, QRegion::Ellipse);
        return r;
    }
    case lsEllipse:
        return QRegion(0, 0, w, h, QRegion::Ellipse);
    default:
        return QRegion(0, 0, w, h);
    }
}

TZpObjectList OutsideLabel(const TZpObjectList& objects, const TLabelProperties& layout) {
    const QRegion region = LabelRegion(layout);
    TZpObjectList outside;
    for (const TZpObjectPtr& obj : objects) {
        if (!obj->GetPrintObject())
            continue;
        const TRect b = obj->GetBounds();
        const bool in =
            Supports<IZpLinear>(obj)
                ? region.contains(QPoint(b.Left, b.Top)) && region.contains(QPoint(b.Right, b.Bottom))
                : region.contains(QPoint(b.Left, b.Top)) && region.contains(QPoint(b.Right, b.Top)) &&
                      region.contains(QPoint(b.Left, b.Bottom)) && region.contains(QPoint(b.Right, b.Bottom));
        if (!in)
            outside.push_back(obj);
    }
    return outside;
}

// The printer's margins in label pixels, taken as equal on opposite sides.
TPoint MarginsInLabelPixels() {
    TZpPrinter& printer = ZpPrinter();
    const TPoint dpi = printer.DotsPerInch();
    const TPoint offset = printer.PhysicalOffset();
    const double labelDpi = LabelDPI();
    return {dpi.X > 0 ? Round(labelDpi * offset.X / dpi.X) : 0,
            dpi.Y > 0 ? Round(labelDpi * offset.Y / dpi.Y) : 0};
}

TZpObjectList InUnprintableArea(const TZpObjectList& objects, const TLabelProperties& layout) {
    TZpPrinter& printer = ZpPrinter();
    const TPoint dpi = printer.DotsPerInch();
    const TPoint offset = printer.PhysicalOffset();
    const double labelDpi = LabelDPI();
    const TPoint margins = MarginsInLabelPixels();
    const double offsetX = dpi.X > 0 ? double(offset.X) / dpi.X : 0;
    const double offsetY = dpi.Y > 0 ? double(offset.Y) / dpi.Y : 0;
    const int32_t baseX = Round((layout.LeftMargin - offsetX) * labelDpi);
    const int32_t baseY = Round((layout.TopMargin - offsetY) * labelDpi);
    const double maxRight = labelDpi * layout.PageWidth - 2 * margins.X;
    const double maxBottom = labelDpi * layout.PageHeight - 2 * margins.Y;
    TZpObjectList found;
    for (const TZpObjectPtr& obj : objects) {
        if (!obj->GetPrintObject())
            continue;
        const TRect b = obj->GetBounds();
        bool hit = false;
        for (int column = 1; column <= layout.Columns && !hit; ++column) {
            const int64_t dx = baseX + Round((column - 1) * double(layout.HorizontalPitch) * labelDpi);
            for (int row = 1; row <= layout.Rows && !hit; ++row) {
                const int64_t dy = baseY + Round((row - 1) * double(layout.VerticalPitch) * labelDpi);
                hit = b.Left + dx < 0 || b.Top + dy < 0 || double(b.Right + dx) > maxRight ||
                      double(b.Bottom + dy) > maxBottom;
            }
        }
        if (hit)
            found.push_back(obj);
    }
    return found;
}

bool HasBarcode(const TZpObjectList& objects) {
    for (const TZpObjectPtr& obj : objects)
        if (TZpBarcodeProbe::IsBarcode(*obj))
            return true;
    return false;
}

// Datasets no database field of any object names, from the last to the first.
bool OfferUnusedDatasets(const TZpObjectList& objects, TZpDataConnections& connections) {
    QSet<QString> used;
    for (const TZpObjectPtr& obj : objects) {
        const IZpData* data = Supports<IZpData>(obj);
        if (!data || data->GetKind() != dkDatabaseField)
            continue;
        for (int i = 0; i < data->GetFieldCount(); ++i)
            used.insert(data->GetField(i)->Dataset);
    }
    for (int i = connections.DatasetCount() - 1; i >= 0; --i) {
        const QString name = connections.DatasetName(i);
        if (used.contains(name))
            continue;
        // Keeping the dataset loses nothing, so a run without a person keeps it.
        switch (ZpDialogs().MessageBox(TZpMsgKind::Confirmation,
                                       QString::fromLatin1(check_messages::kUnusedDataset).arg(name),
                                       TZpButtons::YesNoCancel, TZpAnswer::No)) {
        case TZpAnswer::Yes:
            connections.DeleteDataset(i);
            if (connections.OnChanged)
                connections.OnChanged();
            break;
        case TZpAnswer::No:
            break;
        default:
            return false;
        }
    }
    return true;
}

} // namespace

bool CheckBeforePrint(const TZpObjectList& objects, TZpObjectList& selection, const TLabelProperties& layout,
                      const TZpPrintInfo& info, TZpDataConnections& connections) {
    if (const TZpObjectList outside = OutsideLabel(objects, layout); !outside.empty())
        if (!AskAboutObjects(QString::fromLatin1(check_messages::kOutside).arg(outside.size()), outside,
                             selection))
            return false;
    if (const TZpObjectList clipped = InUnprintableArea(objects, layout); !clipped.empty())
        if (!AskAboutObjects(QString::fromLatin1(check_messages::kUnprintable).arg(clipped.size()), clipped,
                             selection))
            return false;
    bool result = true;
    if (HasBarcode(objects) && AppOptions().CheckBarCodes)
        result = VerifyBarCodes(objects, selection, layout, info, connections);
    if (!OfferUnusedDatasets(objects, connections))
        result = false;
    return result;
}

} // namespace zp
