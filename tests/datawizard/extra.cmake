# SPDX-License-Identifier: MIT
# The workbook tests write their .xlsx and .ods files through libzip.
target_link_libraries(${suite_target} PRIVATE PkgConfig::ZP_LIBZIP)
