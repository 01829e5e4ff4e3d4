# SPDX-License-Identifier: MIT
# Picture decoding for the formats Qt has no reader for: Magick++.
find_package(PkgConfig REQUIRED)
pkg_check_modules(ZP_MAGICKPP REQUIRED IMPORTED_TARGET GLOBAL Magick++)
target_link_libraries(zentaprint_core PRIVATE PkgConfig::ZP_MAGICKPP)
