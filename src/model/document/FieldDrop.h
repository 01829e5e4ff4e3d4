// SPDX-License-Identifier: MIT
#pragma once

#include "data/FieldDrag.h"
#include "model/objects/ZpObject.h"

namespace zp {

class TZpDataConnections;

/// The object fields dropped on the label create, as the plan says: bounds
/// set, a database-field source with the plan's entries bound to the
/// label's connections, its value read. Adding it (with its undo event) is
/// the caller's.
[[nodiscard]] TZpObjectPtr CreateDroppedObject(const TZpDropPlan& plan, TZpDataConnections* connections);

} // namespace zp
