// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace zp {

/// Field stripping of a database field entry.
enum TZpStripMethod : uint8_t {
    smNone = 0,
    smLeadingSpaces = 1,
    smTrailingSpaces = 2,
    smLeadingAndTrailingSpaces = 3,
    smCharacters = 4,
    smLeadingZeros = 5,
};

/// One database field reference of a data source: which connection,
/// dataset and field supply the value, and how it is trimmed and framed.
struct TZpFieldDef {
    QString Connection;
    QString Dataset;
    QString Field;
    QString Prefix;
    QString Suffix;
    int32_t StripLeading = 0;  ///< characters removed at the start (smCharacters)
    int32_t StripTrailing = 0; ///< characters removed at the end (smCharacters)
    bool AddLineBreak = false; ///< CR LF follows the field's text
    uint8_t StripMethod = smNone;

    friend bool operator==(const TZpFieldDef&, const TZpFieldDef&) = default;
};

} // namespace zp
