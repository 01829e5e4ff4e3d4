// SPDX-License-Identifier: MIT
#include "model/document/LabelDocument.h"

#include "model/base/LabelDpi.h"

namespace zp {

TZpLabelDocument::TZpLabelDocument() { FLayout.SetDesignDefaults(); }

void TZpLabelDocument::Add(TZpObjectPtr object) {
    FObjects.push_back(std::move(object));
    FModified = true;
}

void TZpLabelDocument::Clear() {
    FObjects.clear();
    FEnvironment.Reset();
    FEnvironment.Description.clear();
    FEnvironment.Connections().Close();
    FFileName.clear();
    FModified = false;
}

void TZpLabelDocument::AfterLoad(const QString& fileName) {
    RescaleLabel(LabelDPI(), FEnvironment, FObjects);
    FFileName = fileName;
    FModified = false;
}

} // namespace zp
