// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/ZpObject.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zp {

/// A label object class as the registry knows it: its stored name, its
/// placement cursor, and how to make a new one with its creation defaults.
struct TZpObjectClass {
    QString Name;
    int CursorId;
    std::function<std::shared_ptr<TZpObject>()> Create;
};

/// The class of that name, compared without regard to case, among the eight
/// label object classes; null for any other name.
[[nodiscard]] const TZpObjectClass* FindObjectClass(const QString& name);

/// A new object of the named class, or null when the class is unknown.
[[nodiscard]] std::shared_ptr<TZpObject> CreateObject(const QString& name);

/// The eight class names in the order the registry tries them.
[[nodiscard]] const QStringList& ObjectClassNames();

} // namespace zp
