# SPDX-License-Identifier: MIT
# The data-access engines: SQLite's C interface for bulk copies into memory,
# mdbtools for Access files and freexl for Excel workbooks.
find_package(PkgConfig REQUIRED)
pkg_check_modules(ZP_SQLITE3 REQUIRED IMPORTED_TARGET GLOBAL sqlite3)
pkg_check_modules(ZP_LIBMDB REQUIRED IMPORTED_TARGET GLOBAL libmdb)
pkg_check_modules(ZP_FREEXL REQUIRED IMPORTED_TARGET GLOBAL freexl)
target_link_libraries(zentaprint_core PUBLIC PkgConfig::ZP_SQLITE3 PkgConfig::ZP_LIBMDB PkgConfig::ZP_FREEXL)
# .xlsx and .ods workbooks are zip archives of XML parts.
pkg_check_modules(ZP_LIBZIP REQUIRED IMPORTED_TARGET GLOBAL libzip)
target_link_libraries(zentaprint_core PUBLIC PkgConfig::ZP_LIBZIP)
