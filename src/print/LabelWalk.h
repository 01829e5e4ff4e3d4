// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <cstdint>

namespace zp {

class TLabelProperties;
class TZpDataConnections;
class TZpRunSources;
struct TZpPrintInfo;

/// Why a run cannot start on a sheet without label positions.
extern const char* const kNoSheetGridMessage;

/// The walk shared by the print run, the preview and the bar code dry run:
/// where the next label sits on the sheet, how many copies the current
/// record gets, which records take part, and when the run is done.
class TZpLabelWalk {
public:
    /// Fails with kNoSheetGridMessage when the sheet has no columns or rows:
    /// no label position could be computed.
    TZpLabelWalk(const TLabelProperties& layout, TZpDataConnections& data, const TZpPrintInfo& info);

    /// The first position: StartLabel counted in Direction order. Values
    /// outside the sheet give positions outside it, as they are (counted in
    /// 64 bits, so that no start value overflows).
    void Start();
    [[nodiscard]] int64_t Row() const { return FRow; }
    [[nodiscard]] int64_t Column() const { return FColumn; }
    /// Moves to the next position; true when the sheet is full, and then the
    /// position is the first of the next sheet.
    bool MoveOn();

    /// The copies of the current record: the copies field's text as an
    /// integer (1 when it is not one), else Copies.
    [[nodiscard]] int CopiesNow() const;

    [[nodiscard]] bool RecordMode() const;
    /// Every dataset to its first record, then past the records the mode
    /// leaves out; false when no record qualifies.
    bool FirstRecord();
    /// Every dataset to its next record and past those the mode leaves out;
    /// false when a record mode reached the end. Count mode walks on and
    /// stays on the last record at the end.
    bool NextRecord();
    /// Data preparation before the first label (nothing with
    /// CurrentRecordOnly): the first qualifying record, serial numbers from
    /// their start, the sources' text; false when no record qualifies.
    /// Prompts are reset with resetPrompts and asked with updatePrompts.
    bool PrepareData(TZpRunSources& sources, bool resetPrompts, bool updatePrompts);
    /// After the copies of a record: the next qualifying record, serial
    /// numbers stepped and the text refreshed (prompts too with prompts);
    /// false when the run ends here.
    bool NextData(TZpRunSources& sources, bool prompts);
    /// Whether the run is complete after a label.
    [[nodiscard]] bool Done(int copyIndex, int copiesNow, int labelCount) const;
    /// After a label (copyIndex and labelCount already count it): when the
    /// run goes on and the record's copies are made, NextData and copyIndex
    /// back to 0. True when the run is complete.
    bool LabelMade(TZpRunSources& sources, bool prompts, int& copyIndex, int copiesNow, int labelCount);

    /// Origin of the label at the current position in label pixels, from the
    /// sheet's corner moved by (x0, y0); held to the 32-bit range for
    /// positions far outside the sheet.
    [[nodiscard]] TPoint Origin(int32_t x0, int32_t y0) const;

private:
    bool SkipUnwanted();
    const TLabelProperties& FLayout;
    TZpDataConnections& FData;
    const TZpPrintInfo& FInfo;
    int FColumns;
    int FRows;
    int64_t FRow = 1;
    int64_t FColumn = 1;
};

/// Ceiling of a / b for b > 0, also for a <= 0.
[[nodiscard]] constexpr int64_t CeilDiv(int64_t a, int64_t b) {
    return a > 0 ? (a - 1) / b + 1 : -((-a) / b);
}

} // namespace zp
