# SPDX-License-Identifier: MIT
# The bar code benchmark compares the engine with a reference encoder library;
# only this benchmark links it.
find_path(ZP_ZINT_INCLUDE_DIR zint.h REQUIRED)
find_library(ZP_ZINT_LIBRARY zint REQUIRED)
target_include_directories(bench_BarcodeBench PRIVATE ${ZP_ZINT_INCLUDE_DIR})
target_link_libraries(bench_BarcodeBench PRIVATE ${ZP_ZINT_LIBRARY})
