// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QString>

namespace zp {

class TZpLabelDocument;
struct TZpPrintInfo;

/// The print and preview commands every caller shares (main window, command
/// line, automation). Both run over the whole page range, run the checks
/// before printing and go on only when they pass; they return false when a
/// check was answered No (the objects concerned are then in selection).
/// A cancelled question or run leaves through EZpAbort.

/// Prints the document; with UpdateSerials the label is saved afterwards
/// (when it has a file name), so the new serial start values are kept.
bool PrintDocument(TZpLabelDocument& document, TZpPrintInfo& info, const QString& title,
                   TZpObjectList& selection);
/// Builds the preview pages and shows them in the preview window.
bool PreviewDocument(TZpLabelDocument& document, TZpPrintInfo& info, const QString& title,
                     TZpObjectList& selection);

} // namespace zp
