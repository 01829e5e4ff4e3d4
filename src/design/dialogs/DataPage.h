// SPDX-License-Identifier: MIT
#pragma once

#include "data/FieldDef.h"

#include <functional>

class QWidget;

namespace zp {

class TZpDataConnections;

/// How the "Data" page asks for a database field entry ("Select Field" by
/// default); tests replace it.
struct TZpDataPageHooks {
    static std::function<bool(TZpDataConnections*, TZpFieldDef&, QWidget*)> ChooseField;
};

} // namespace zp
