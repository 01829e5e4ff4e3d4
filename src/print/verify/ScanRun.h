// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"
#include "print/verify/ScanReport.h"

namespace zp {

class TLabelProperties;
class TZpDataConnections;
class TZpLabelDocument;
struct TZpPrintInfo;

/// The scan check of a whole run, without printing: the labels the print run
/// would make (records, copies, serial numbers, the print-time scripts,
/// prompts asked or answered as for printing), each rendered at dpi and its
/// bar codes read back. Ends with the print run's closing step (prompts
/// asked again next time) without moving the serial start values. A
/// cancelled run leaves through EZpAbort.
[[nodiscard]] TZpScanReport VerifyRun(const TZpObjectList& objects, const TLabelProperties& layout,
                                      TZpDataConnections& connections, const TZpPrintInfo& info, int dpi);

/// VerifyRun on a document at dpi, or at the selected printer's resolution
/// when dpi is 0; the report names the label file.
[[nodiscard]] TZpScanReport VerifyDocument(TZpLabelDocument& document, int dpi = 0);

} // namespace zp
