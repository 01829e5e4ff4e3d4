// SPDX-License-Identifier: MIT
#pragma once

#include "legacy/LegacyReader.h"
#include "model/layout/LabelRoutines.h"

#include <QMap>
#include <QString>

namespace zp {

class TZpDataConnections;
class IZpData;

/// What the record conversions share while one 2.x label is imported.
struct TLegacyImportContext {
    TLegacyReader& Reader;
    TZpObjectList& Objects;
    TZpDataConnections& Connections;
    QString MergePath;      ///< empty without a merge block
    QString MergeDataset;   ///< the dataset merge fields name
    int32_t PrinterDpi = 0; ///< resolution of the printer the label was made for
    bool TextSeen = false;
    bool SlideSeen = false;
    /// Names by object number; kept sparse so that a wild number costs nothing.
    QMap<int32_t, QString> Names;
    int32_t LastName = -1;

    void EnterName(int32_t number, const QString& name);
    /// The name at the number; raises a list index error beyond the last entry.
    [[nodiscard]] QString NameAt(int32_t number) const;
};

/// Converts the record at the reader's position by its type code and appends
/// the resulting objects; raises for a type that has no conversion.
void ConvertLegacyRecord(TLegacyImportContext& context);

/// The data kind of a text or bar code record (2.x kind at offset 33).
void SetLegacyDataKind(TLegacyImportContext& context, IZpData& data, const TLegacyBlock& record, uint8_t kind,
                       int stripOffset);

/// Evaluates the source unless its text is fixed (static text) or asked for
/// at print time (a prompt).
void UpdateLegacyData(IZpData& data);

/// The decimal integer of text, or the platform's conversion error.
[[nodiscard]] int32_t LegacyStrToInt(const QString& text);

} // namespace zp
