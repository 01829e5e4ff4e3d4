// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"
#include "data/FieldDef.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zp {

/// What a drop of fields from the data window creates (its drag toolbar).
enum class TZpDropKind { Text, Barcode, Picture };

/// The drag data of fields dragged from the data window.
inline constexpr char kFieldDragMimeType[] = "application/x-zentaprint-fields";

/// Fields of one dataset dragged from the data window, in list order.
struct TZpFieldDrag {
    TZpDropKind Kind = TZpDropKind::Text;
    QString Connection;
    QString Dataset;
    QStringList Fields;
    friend bool operator==(const TZpFieldDrag&, const TZpFieldDrag&) = default;
};

[[nodiscard]] QByteArray EncodeFieldDrag(const TZpFieldDrag& drag);
/// None for data that is not a field drag or names no field.
[[nodiscard]] std::optional<TZpFieldDrag> DecodeFieldDrag(const QByteArray& data);

/// The object a drop creates: its class, its bounds (one inch by half an
/// inch at the drop point, in label pixels) and one field entry per
/// dragged field; only text objects break the line after each field.
struct TZpDropPlan {
    QString ClassName;
    TRect Bounds;
    std::vector<TZpFieldDef> Fields;
};

[[nodiscard]] TZpDropPlan PlanFieldDrop(const TZpFieldDrag& drag, TPoint dropPoint, int labelDpi);

} // namespace zp
