// SPDX-License-Identifier: MIT
#include "files/LabelPrinterSteps.h"

#include "model/base/LabelDpi.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"

namespace zp {

void SelectLabelPrinter(const QString&, TZpIDEProperties&) {}

QString SelectedLabelPrinterName() {
    return {};
}

void MatchPrinterToLayout(TLabelProperties&) {
    SetLabelDPI(ScreenPixelsPerInch());
}

} // namespace zp
