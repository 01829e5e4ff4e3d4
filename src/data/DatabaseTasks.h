// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

class TZpDataConnections;

/// The SELECT a table is connected to the label with: every field, in the
/// grid's order when it is sorted.
[[nodiscard]] QString ConnectTableSql(const QString& table, const QString& sortField, bool descending);

/// "Connect to label": a connection named after the database file (without
/// folder and extension) and a dataset named after the table are added, and
/// every dataset opened. The dataset goes to the connection actually added,
/// also when the name was taken and got a number. Returns the dataset's index.
int ConnectTableToLabel(TZpDataConnections& connections, const QString& databasePath,
                        const QString& connectionString, const QString& table, const QString& sortField,
                        bool descending);

/// Copies every table of a database that can only be read here (an Access
/// file) into a new desktop database at target, values as text in columns of
/// the source's kinds. Nothing is left at target when the copy fails.
void CopyToDesktopDatabase(const QString& sourceConnectionString, const QString& target);

} // namespace zp
