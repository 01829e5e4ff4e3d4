// SPDX-License-Identifier: MIT
#include "print/LabelWalk.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "data/DataConnections.h"
#include "model/layout/LabelProperties.h"
#include "print/PrintInfo.h"
#include "print/RunSources.h"

#include <algorithm>
#include <limits>

namespace zp {

const char* const kNoSheetGridMessage =
    "The label stock has no columns or no rows, so no label can be placed on the sheet.";

TZpLabelWalk::TZpLabelWalk(const TLabelProperties& layout, TZpDataConnections& data, const TZpPrintInfo& info)
    : FLayout(layout), FData(data), FInfo(info), FColumns(layout.Columns), FRows(layout.Rows) {
    if (FColumns <= 0 || FRows <= 0)
        throw EZpError(QLatin1String(kNoSheetGridMessage));
}

void TZpLabelWalk::Start() {
    const int64_t start = FInfo.StartLabel;
    if (FInfo.Direction == 0) {
        FRow = CeilDiv(start, FColumns);
        FColumn = start - (FRow - 1) * FColumns;
    } else {
        FColumn = CeilDiv(start, FRows);
        FRow = start - (FColumn - 1) * FRows;
    }
}

bool TZpLabelWalk::MoveOn() {
    bool full;
    if (FInfo.Direction == 0) {
        if (++FColumn > FColumns) {
            ++FRow;
            FColumn = 1;
        }
        full = FRow > FRows;
    } else {
        if (++FRow > FRows) {
            ++FColumn;
            FRow = 1;
        }
        full = FColumn > FColumns;
    }
    if (full) {
        FRow = 1;
        FColumn = 1;
    }
    return full;
}

int TZpLabelWalk::CopiesNow() const {
    if (!FInfo.CopiesFromField)
        return FInfo.Copies;
    bool ok = false;
    const int copies = FData.FieldValue(FInfo.CopiesDataset, FInfo.CopiesField).trimmed().toInt(&ok);
    return ok ? copies : 1;
}

bool TZpLabelWalk::RecordMode() const {
    return FInfo.MarkedOnly || FInfo.UnmarkedOnly || FInfo.AllRecords;
}

bool TZpLabelWalk::SkipUnwanted() {
    if (FInfo.MarkedOnly)
        while (!FData.AtEnd() && !FData.IsMarked())
            FData.Next();
    else if (FInfo.UnmarkedOnly)
        while (!FData.AtEnd() && FData.IsMarked())
            FData.Next();
    return !((FInfo.MarkedOnly || FInfo.UnmarkedOnly) && FData.AtEnd());
}

bool TZpLabelWalk::FirstRecord() {
    FData.First();
    // A record mode over no records at all has nothing to print, not one
    // empty label.
    if (RecordMode() && FData.AtEnd())
        return false;
    return SkipUnwanted();
}

bool TZpLabelWalk::NextRecord() {
    FData.Next();
    if (!RecordMode())
        return true;
    if (FData.AtEnd())
        return false;
    return SkipUnwanted();
}

bool TZpLabelWalk::PrepareData(TZpRunSources& sources, bool resetPrompts, bool updatePrompts) {
    if (FInfo.CurrentRecordOnly)
        return true; // the sources keep their present values and serial positions
    if (!FirstRecord())
        return false;
    sources.ResetSerials(resetPrompts);
    sources.Update(updatePrompts);
    return true;
}

bool TZpLabelWalk::NextData(TZpRunSources& sources, bool prompts) {
    if (!NextRecord())
        return false;
    sources.NextSerials(prompts);
    sources.Update(prompts);
    return true;
}

bool TZpLabelWalk::Done(int copyIndex, int copiesNow, int labelCount) const {
    if (FInfo.CurrentRecordOnly)
        return copyIndex >= copiesNow;
    if (RecordMode())
        return FData.AtEnd();
    return labelCount >= FInfo.TotalLabels;
}

bool TZpLabelWalk::LabelMade(TZpRunSources& sources, bool prompts, int& copyIndex, int copiesNow,
                             int labelCount) {
    if (Done(copyIndex, copiesNow, labelCount))
        return true;
    if (copyIndex < copiesNow)
        return false;
    if (!NextData(sources, prompts))
        return true;
    copyIndex = 0;
    return false;
}

TPoint TZpLabelWalk::Origin(int32_t x0, int32_t y0) const {
    const double dpi = LabelDPI();
    const auto clamp = [](int64_t v) {
        return int32_t(
            std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    };
    return {clamp(x0 + int64_t(Round(double(FColumn - 1) * double(FLayout.HorizontalPitch) * dpi))),
            clamp(y0 + int64_t(Round(double(FRow - 1) * double(FLayout.VerticalPitch) * dpi)))};
}

} // namespace zp
