// SPDX-License-Identifier: MIT
#include "model/document/LabelDocument.h"

#include "base/LabelDpi.h"
#include "model/data/ZpData.h"
#include "model/document/DataSources.h"

namespace zp {

TZpLabelDocument::TZpLabelDocument() {
    FLayout.SetDesignDefaults();
    // The connections live as long as the environment, which this document owns.
    TZpDataConnections& connections = FEnvironment.Connections();
    connections.OnGetLinkValue = [this](const QString& name, QString& value) {
        (void)FindLinkValue(FObjects, name, value);
    };
    connections.OnGetLinkNames = [this](QStringList& names) { names = LinkTargetNames(FObjects); };
}

void TZpLabelDocument::Add(TZpObjectPtr object) {
    if (auto* data = Supports<IZpData>(object))
        data->SetConnections(&Connections());
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
    SetDataConnections(FObjects, &Connections());
    UpdateDataSources(FObjects, TZpDataPass::DatabaseFields);
    RescaleLabel(LabelDPI(), FEnvironment, FObjects);
    FFileName = fileName;
    FModified = false;
}

} // namespace zp
