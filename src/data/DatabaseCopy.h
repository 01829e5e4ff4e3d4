// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

/// Replaces any file at the path with an empty desktop database (an SQLite
/// file, whatever its extension). Raises when the old file cannot be removed
/// or the new one cannot be made.
void CreateAccessDatabase(const QString& path);

/// Copies the dBase table file at the path into a new desktop database beside
/// it, as one table named after the file without its extension, and sets path
/// to the new file. The new file takes the table's name with ".mdb"; when a
/// file of that name exists it is left alone and "_1", "_2"... are added to
/// the name. A copy made before is used again (path set to it, nothing
/// written) while the table has the size and time of change it had then.
/// Raises when the table cannot be read or the copy not written; no
/// half-written database is left behind then.
void ConvertDBaseToAccess(QString& path);

} // namespace zp
