// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
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

/// Records kept out of memory (the copy of a large file source), read back
/// by position.
class IZpStoredRecords {
public:
    virtual ~IZpStoredRecords() = default;
    [[nodiscard]] virtual int Count() const = 0;
    /// Record index (0 <= index < Count()), every value as text.
    [[nodiscard]] virtual QStringList Row(int index) const = 0;
};

/// Records read in full (a client-side cursor): every value held as text,
/// empty for a null value. They are in Rows, or, where Stored is set, there.
struct TZpRecordSet {
    QList<TZpFieldInfo> Fields;
    std::vector<QStringList> Rows;
    std::shared_ptr<const IZpStoredRecords> Stored;

    [[nodiscard]] int Count() const { return Stored ? Stored->Count() : static_cast<int>(Rows.size()); }
    [[nodiscard]] QStringList Row(int index) const {
        return Stored ? Stored->Row(index) : Rows[static_cast<size_t>(index)];
    }
};

} // namespace zp
