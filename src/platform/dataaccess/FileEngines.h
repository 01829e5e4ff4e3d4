// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/DbEngine.h"

namespace zp {

/// A folder of text tables (*.csv, *.txt); extendedProperties is the
/// connection's "Text;HDR=YES" or the like.
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateTextEngine(const QString& folder,
                                                            const QString& extendedProperties);
/// A folder of dBase tables (*.dbf).
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateDbfEngine(const QString& folder);
/// The sheets of an Excel workbook (.xls).
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateXlsEngine(const QString& file,
                                                           const QString& extendedProperties);
/// Whether the first row of a text file or sheet holds the field names: yes
/// unless the extended properties say "HDR=NO".
[[nodiscard]] bool HasHeaderRow(const QString& extendedProperties);
/// The tables of an Access file, read-only.
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateMdbEngine(const QString& file);

} // namespace zp
