// SPDX-License-Identifier: MIT
#pragma once
// What several objects have in common, for the dialog that edits them
// together.

#include "model/objects/ZpObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <optional>
#include <utility>

namespace zp {

/// The value every object agrees on, or nothing when one lacks the
/// interface (present is then false) or two differ (mixed).
template <class I, class F> auto Common(const TZpObjectList& objects, F get, bool& present) {
    using V = decltype(get(std::declval<I&>()));
    std::optional<V> value;
    present = !objects.empty();
    bool mixed = false;
    for (const TZpObjectPtr& o : objects) {
        I* face = Supports<I>(o);
        if (!face) {
            present = false;
            return std::optional<V>();
        }
        const V v = get(*face);
        if (value && !(*value == v))
            mixed = true;
        value = v;
    }
    return mixed ? std::optional<V>() : value;
}

/// The same where the caller knows every object has the interface.
template <class I, class F> auto Common(const TZpObjectList& objects, F get) {
    bool present = false;
    return Common<I>(objects, get, present);
}

/// Checked, clear, or grey (tri-state) for a value the objects differ on.
inline void SetCheck(QCheckBox* box, std::optional<bool> value) {
    box->setTristate(!value);
    box->setCheckState(!value ? Qt::PartiallyChecked : *value ? Qt::Checked : Qt::Unchecked);
}

/// The item carrying value, or no choice.
inline void SelectData(QComboBox* list, std::optional<int> value) {
    list->setCurrentIndex(value ? list->findData(*value) : -1);
}

} // namespace zp
