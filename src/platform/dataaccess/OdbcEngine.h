// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/DbEngine.h"

namespace zp {

/// An ODBC data source through unixODBC: "Provider=MSDASQL;..." strings (a DSN
/// in "Data Source", or ODBC attributes in "Extended Properties" or beside the
/// provider), DSN-less driver strings ("Driver={...};Database=...") and SQL
/// Server strings ("Provider=SQLOLEDB.1;...", through FreeTDS).
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateOdbcEngine(const TZpConnectionString& parsed, bool readOnly);

/// The ODBC connection attributes of a connection string, "Name=Value" joined
/// by semicolons; raises when they name neither a data source nor a driver.
[[nodiscard]] QString OdbcConnectText(const TZpConnectionString& parsed);

/// The database name to give Qt's ODBC driver so that the text it hands to
/// the driver manager is exactly the attributes of OdbcConnectText.
[[nodiscard]] QString OdbcDatabaseName(const TZpConnectionString& parsed);

} // namespace zp
