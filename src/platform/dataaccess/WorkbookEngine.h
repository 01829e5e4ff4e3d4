// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/DbEngine.h"
#include "platform/dataaccess/RecordSet.h"

#include <QList>
#include <QString>

namespace zp {

/// Whether the file starts as a zip archive does (.xlsx and .ods workbooks).
[[nodiscard]] bool IsZipFile(const QString& path);

/// The sheets of an .xlsx or .ods workbook: each a table named "<sheet>$",
/// its first row the field names unless the extended properties say "HDR=NO".
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateWorkbookEngine(const QString& file,
                                                                const QString& extendedProperties);

/// One sheet as read from a workbook: its name and its cells row by row
/// (texts as shown; numbers in their plain form).
struct TZpSheet {
    QString Name;
    std::vector<QStringList> Cells;
    std::vector<bool> NumericColumns; ///< every non-empty value below the first row is a number
};

/// Reads every sheet of an .xlsx or .ods file; raises EZpError naming the
/// file when it is missing, damaged or neither kind.
[[nodiscard]] QList<TZpSheet> ReadWorkbook(const QString& path);

} // namespace zp
