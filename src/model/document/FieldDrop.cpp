// SPDX-License-Identifier: MIT
#include "model/document/FieldDrop.h"

#include "base/Errors.h"
#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"

namespace zp {

TZpObjectPtr CreateDroppedObject(const TZpDropPlan& plan, TZpDataConnections* connections) {
    TZpObjectPtr object = CreateObject(plan.ClassName);
    if (!object) {
        throw EZpError(QStringLiteral("Unknown object class \"%1\".").arg(plan.ClassName));
    }
    if (auto* geometry = Supports<IZpObject>(object)) {
        geometry->SetBounds(plan.Bounds);
    }
    if (auto* data = Supports<IZpData>(object)) {
        data->SetKind(dkDatabaseField);
        data->SetConnections(connections);
        for (const TZpFieldDef& def : plan.Fields) {
            data->AddField(std::make_unique<TZpFieldDef>(def));
        }
        data->Update();
    }
    return object;
}

} // namespace zp
