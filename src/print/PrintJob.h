// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QString>

namespace zp {

class TLabelProperties;
class TZpDataConnections;
struct TZpPrintInfo;

/// The print run: the labels of the run drawn straight onto the current
/// printer's pages, one after another, with data, copies, serial numbers
/// and the print-time scripts; then the closing step (prompts asked again
/// next time, serial start values written back with UpdateSerials).
/// Cancelling from the progress window aborts the job and leaves through
/// EZpAbort; any failure aborts the job, so no partial output is left, and
/// travels on.
void RunPrintJob(const TZpObjectList& objects, const TLabelProperties& layout,
                 TZpDataConnections& connections, const QString& title, const TZpPrintInfo& info);

} // namespace zp
