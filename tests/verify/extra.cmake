# SPDX-License-Identifier: MIT
# The command-line tests run the program on the shipped sample label.
add_dependencies(${suite_target} zentaprint)
target_compile_definitions(${suite_target} PRIVATE ZP_EXECUTABLE="$<TARGET_FILE:zentaprint>"
  ZP_SAMPLE_DIR="${CMAKE_SOURCE_DIR}/resources/sample")
