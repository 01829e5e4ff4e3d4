// SPDX-License-Identifier: MIT
#include "print/PrintCommands.h"

#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "platform/printing/Printer.h"
#include "print/PreviewJob.h"
#include "print/PrintChecks.h"
#include "print/PrintJob.h"

#include <limits>

namespace zp {

namespace {

bool PrepareRun(TZpLabelDocument& document, TZpPrintInfo& info, TZpObjectList& selection) {
    info.FromPage = 0;
    info.ToPage = std::numeric_limits<int32_t>::max();
    TZpDataConnections& connections = document.Environment().Connections();
    const int datasets = connections.DatasetCount();
    const bool passed = CheckBeforePrint(document.Objects(), selection, document.Layout(), info, connections);
    if (connections.DatasetCount() != datasets)
        document.SetModified(true);
    return passed;
}

} // namespace

bool PrintDocument(TZpLabelDocument& document, TZpPrintInfo& info, const QString& title,
                   TZpObjectList& selection) {
    if (!PrepareRun(document, info, selection))
        return false;
    // A printer that writes files and cannot ask writes beside the label.
    ZpPrinter().SetDocumentFileName(document.FileName());
    RunPrintJob(document.Objects(), document.Layout(), document.Environment().Connections(), title, info);
    if (info.UpdateSerials && !document.FileName().isEmpty())
        SaveLabelDocument(document, document.FileName());
    return true;
}

bool PreviewDocument(TZpLabelDocument& document, TZpPrintInfo& info, const QString& title,
                     TZpObjectList& selection) {
    if (!PrepareRun(document, info, selection))
        return false;
    BuildPreview(document.Objects(), document.Layout(), document.Environment().Connections(), title, info);
    return true;
}

} // namespace zp
