// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

class TZpConnection;

/// After a text connection opens: rewrites the folder's "SCHEMA.INI" so that
/// every column of every table is read as text of width 100, with the
/// connection's header choice. Does nothing for other connections; a folder
/// that cannot be written is left as it is.
void WriteSchemaIni(TZpConnection& connection);

} // namespace zp
