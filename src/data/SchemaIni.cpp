// SPDX-License-Identifier: MIT
#include "data/SchemaIni.h"

#include "platform/dataaccess/Connection.h"

namespace zp {

void WriteSchemaIni(TZpConnection& connection) { (void)connection; }

} // namespace zp
