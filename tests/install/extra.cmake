# SPDX-License-Identifier: MIT
# The install tests install this build tree into temporary folders and make
# its Debian package, so they need the whole program built first.
add_dependencies(${suite_target} zentaprint zentaprint_stock zentaprint_desktop)
target_compile_definitions(${suite_target} PRIVATE
  ZP_BUILD_DIR="${CMAKE_BINARY_DIR}"
  ZP_CMAKE_COMMAND="${CMAKE_COMMAND}"
  ZP_CPACK_COMMAND="${CMAKE_CPACK_COMMAND}")
