// SPDX-License-Identifier: MIT
#include "data/FieldDrag.h"

#include <QDataStream>
#include <QIODevice>

namespace zp {

namespace {
constexpr quint32 kMagic = 0x5a504644; // "ZPFD"
} // namespace

QByteArray EncodeFieldDrag(const TZpFieldDrag& drag) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << kMagic << static_cast<qint32>(drag.Kind) << drag.Connection << drag.Dataset << drag.Fields;
    return data;
}

std::optional<TZpFieldDrag> DecodeFieldDrag(const QByteArray& data) {
    QDataStream in(data);
    quint32 magic = 0;
    qint32 kind = 0;
    TZpFieldDrag drag;
    in >> magic >> kind >> drag.Connection >> drag.Dataset >> drag.Fields;
    if (in.status() != QDataStream::Ok || magic != kMagic || kind < 0 || kind > 2 || drag.Fields.isEmpty()) {
        return std::nullopt;
    }
    drag.Kind = static_cast<TZpDropKind>(kind);
    return drag;
}

TZpDropPlan PlanFieldDrop(const TZpFieldDrag& drag, TPoint dropPoint, int labelDpi) {
    TZpDropPlan plan;
    switch (drag.Kind) {
    case TZpDropKind::Text:
        plan.ClassName = QStringLiteral("TZpTextObject");
        break;
    case TZpDropKind::Barcode:
        plan.ClassName = QStringLiteral("TZpBarcodeObject");
        break;
    case TZpDropKind::Picture:
        plan.ClassName = QStringLiteral("TZpPictureObject");
        break;
    }
    plan.Bounds = {dropPoint.X, dropPoint.Y, dropPoint.X + labelDpi, dropPoint.Y + labelDpi / 2};
    for (const QString& field : drag.Fields) {
        TZpFieldDef def;
        def.Connection = drag.Connection;
        def.Dataset = drag.Dataset;
        def.Field = field;
        def.AddLineBreak = drag.Kind == TZpDropKind::Text;
        plan.Fields.push_back(def);
    }
    return plan;
}

} // namespace zp
