// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace zp {

/// Field data types as the callers tell them apart.
enum class TZpFieldType {
    ftUnknown,
    ftString,
    ftInteger,
    ftFloat,
    ftBoolean,
    ftDate,
    ftDateTime,
    ftMemo,
    ftBlob
};

/// One field of a record set.
struct TZpFieldInfo {
    QString Name;
    TZpFieldType Type = TZpFieldType::ftString;
    int Size = 0;
    int Precision = 0;
};

/// Records read in full (a client-side cursor): every value held as text,
/// empty for a null value.
struct TZpRecordSet {
    QList<TZpFieldInfo> Fields;
    std::vector<QStringList> Rows;
};

} // namespace zp
