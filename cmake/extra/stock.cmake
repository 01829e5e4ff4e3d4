# SPDX-License-Identifier: MIT
# The shipped label stock catalogue: resources/stock/label-stock.csv converted
# by the program's own stock list conversion into build/share/zentaprint/,
# the folder the program reads shipped catalogues from (bin/../share/zentaprint).
set(ZP_SHARE_DIR ${CMAKE_BINARY_DIR}/share/zentaprint)
set(ZP_STOCK_CSV ${CMAKE_SOURCE_DIR}/resources/stock/label-stock.csv)
set(ZP_STOCK_STAMP ${CMAKE_BINARY_DIR}/stock-catalogue.stamp)
add_custom_command(OUTPUT ${ZP_STOCK_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZP_SHARE_DIR}/stock-list
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 XDG_DATA_HOME=${ZP_SHARE_DIR}/stock-list
          $<TARGET_FILE:zentaprint> --convert-stock-list=${ZP_STOCK_CSV}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${ZP_SHARE_DIR}/stock-list/zentaprint ${ZP_SHARE_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZP_SHARE_DIR}/stock-list
  COMMAND ${CMAKE_COMMAND} -E touch ${ZP_STOCK_STAMP}
  DEPENDS ${ZP_STOCK_CSV} zentaprint
  COMMENT "Converting the label stock list"
  VERBATIM)
add_custom_target(zentaprint_stock ALL DEPENDS ${ZP_STOCK_STAMP})
install(DIRECTORY ${ZP_SHARE_DIR}/ DESTINATION share/zentaprint FILES_MATCHING PATTERN "*.ldb" PATTERN "*.zp3")
