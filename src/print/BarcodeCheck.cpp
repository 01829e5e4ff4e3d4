// SPDX-License-Identifier: MIT
// The bar code dry run of the pre-print checks.
#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "data/DataConnections.h"
#include "model/data/ZpData.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/BarcodeProbe.h"
#include "print/LabelWalk.h"
#include "print/PrintChecks.h"
#include "print/PrintInfo.h"
#include "print/RunSources.h"
#include "print/verify/ScanCheck.h"
#include "settings/AppOptions.h"

#include <optional>
#include <set>

namespace zp {

namespace {

enum class TVerdict { GoOn, Refused };

struct TCheckedBarcode {
    TZpObjectPtr Object;
    IZpData* Data;
    IZpRotation* Rotation;
};

TVerdict Ask(const char* message, const TCheckedBarcode& code, TZpObjectList& selection) {
    const QString text = QString::fromLatin1(message).arg(code.Data->GetName());
    switch (ZpDialogs().MessageBox(TZpMsgKind::Warning, text, TZpButtons::YesNoCancel, TZpAnswer::Yes)) {
    case TZpAnswer::Yes:
        return TVerdict::GoOn;
    case TZpAnswer::No:
        selection = {code.Object};
        return TVerdict::Refused;
    default:
        throw EZpAbort();
    }
}

// The read-back question for a symbol the scan check could not read.
TVerdict AskNotReadBack(const TZpScanResult& result, int dpi, int record,
                        const std::vector<TCheckedBarcode>& codes, TZpObjectList& selection) {
    const QString text =
        QString::fromLatin1(check_messages::kNotReadBack).arg(result.Name).arg(dpi).arg(record);
    switch (ZpDialogs().MessageBox(TZpMsgKind::Warning, text, TZpButtons::YesNoCancel, TZpAnswer::Yes)) {
    case TZpAnswer::Yes:
        return TVerdict::GoOn;
    case TZpAnswer::No:
        for (const TCheckedBarcode& code : codes)
            if (code.Object.get() == result.Object)
                selection = {code.Object};
        return TVerdict::Refused;
    default:
        throw EZpAbort();
    }
}

} // namespace

bool VerifyBarCodes(const TZpObjectList& objects, TZpObjectList& selection, const TLabelProperties& layout,
                    const TZpPrintInfo& info, TZpDataConnections& connections) {
    TZpLabelWalk walk(layout, connections, info);
    TZpRunSources sources(objects);
    std::vector<TCheckedBarcode> codes;
    for (const TZpObjectPtr& obj : objects) {
        if (!obj->GetPrintObject() || !TZpBarcodeProbe::IsBarcode(*obj))
            continue;
        IZpData* data = Supports<IZpData>(obj);
        IZpRotation* rotation = Supports<IZpRotation>(obj);
        if (data && rotation)
            codes.push_back({obj, data, rotation});
    }

    const double dpi = LabelDPI();
    const int total = walk.RecordMode() ? connections.RecordCount() : info.TotalLabels;
    TZpPrinter& printer = ZpPrinter();
    const TPoint deviceDpi = printer.DotsPerInch();
    const TPoint deviceOffset = printer.PhysicalOffset();
    const int32_t ox = deviceDpi.X > 0 ? Round(dpi * deviceOffset.X / deviceDpi.X) : 0;
    const int32_t oy = deviceDpi.Y > 0 ? Round(dpi * deviceOffset.Y / deviceDpi.Y) : 0;
    const int32_t labelWidth = Round(dpi * layout.Width);
    const int32_t labelHeight = Round(dpi * layout.Height);
    const double pageRight = dpi * layout.PageWidth - ox;
    const double pageBottom = dpi * layout.PageHeight - oy;
    const int32_t x0 = Round(dpi * layout.LeftMargin);
    const int32_t y0 = Round(dpi * layout.TopMargin);

    // The read-back asks once per object: the same fault would come back on every label.
    std::optional<TZpScanCheck> scan;
    std::set<const TZpObject*> askedReadBack;
    if (AppOptions().ReadBackBarCodes)
        scan.emplace(objects, layout, deviceDpi.X);
    const bool withData = connections.DatasetCount() > 0;

    walk.Start();
    bool done = !walk.PrepareData(sources, true, false);

    std::unique_ptr<IZpProgress> progress = ZpDialogs().CreateProgress(TZpProgressKind::CheckingBarCodes);
    int copyIndex = 0;
    int checked = 0;
    while (!done) {
        const int copiesNow = walk.CopiesNow();
        const TPoint origin = walk.Origin(x0, y0);
        for (const TCheckedBarcode& code : codes) {
            const QString value = code.Data->GetText();
            progress->SetPosition(checked, total, value);
            if (progress->Cancelled()) {
                switch (ZpDialogs().MessageBox(TZpMsgKind::Confirmation,
                                               QLatin1String(check_messages::kAbortCheck),
                                               TZpButtons::YesNoCancel, TZpAnswer::Yes)) {
                case TZpAnswer::Yes:
                    return true;
                case TZpAnswer::No:
                    return false;
                default:
                    progress->ClearCancel();
                    break;
                }
            }
            if (!TZpBarcodeProbe::IsValid(*code.Object, value) &&
                Ask(check_messages::kInvalidData, code, selection) == TVerdict::Refused)
                return false;
            TRect b = code.Object->GetBounds();
            const int32_t width = TZpBarcodeProbe::SymbolWidth(*code.Object, value);
            const int32_t rotation = code.Rotation->GetRotation();
            if (rotation == 90 || rotation == 270)
                b.Bottom = int32_t(std::clamp<int64_t>(int64_t(b.Top) + width, INT32_MIN, INT32_MAX));
            else
                b.Right = int32_t(std::clamp<int64_t>(int64_t(b.Left) + width, INT32_MIN, INT32_MAX));
            if ((b.Right > labelWidth || b.Bottom > labelHeight) &&
                Ask(check_messages::kTooLargeForLabel, code, selection) == TVerdict::Refused)
                return false;
            const int64_t left = int64_t(b.Left) + origin.X;
            const int64_t top = int64_t(b.Top) + origin.Y;
            const int64_t right = int64_t(b.Right) + origin.X;
            const int64_t bottom = int64_t(b.Bottom) + origin.Y;
            if ((left < ox || top < oy || double(right) > pageRight || double(bottom) > pageBottom) &&
                Ask(check_messages::kTooLargeForPrinter, code, selection) == TVerdict::Refused)
                return false;
        }
        if (scan) {
            const int record = withData ? connections.RecordIndex() + 1 : checked + 1;
            for (const TZpScanResult& result : scan->CheckLabel(checked + 1, record)) {
                // Invalid data was asked about above.
                if (result.Verdict != TZpScanVerdict::Failed || !result.ValidData ||
                    !askedReadBack.insert(result.Object).second)
                    continue;
                if (AskNotReadBack(result, scan->Dpi(), record, codes, selection) == TVerdict::Refused)
                    return false;
            }
        }
        ++copyIndex;
        if (copyIndex >= copiesNow && !info.CurrentRecordOnly) {
            if (walk.NextData(sources, false))
                copyIndex = 0;
            else
                done = true;
        }
        ++checked;
        if (info.CurrentRecordOnly)
            done = copyIndex >= copiesNow;
        else if (walk.RecordMode())
            done = done || connections.AtEnd();
        else
            done = checked >= total;
        walk.MoveOn();
    }
    return true;
}

} // namespace zp
