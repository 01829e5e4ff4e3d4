# SPDX-License-Identifier: MIT
# The catalogue tests read the shipped catalogue the build converts, the CSV it
# comes from, and the installed template files of another label program.
add_dependencies(${suite_target} zentaprint_stock)
target_compile_definitions(${suite_target} PRIVATE
  ZP_SHARE_DIR="${CMAKE_BINARY_DIR}/share/zentaprint"
  ZP_STOCK_CSV="${CMAKE_SOURCE_DIR}/resources/stock/label-stock.csv"
  ZP_BUILD_DIR="${CMAKE_BINARY_DIR}")
