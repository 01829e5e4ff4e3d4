# SPDX-License-Identifier: MIT
# The start-up tests also run the program itself.
add_dependencies(${suite_target} zentaprint)
target_compile_definitions(${suite_target} PRIVATE ZP_EXECUTABLE="$<TARGET_FILE:zentaprint>")
# The demo test reads the shipped sample label and database.
target_compile_definitions(${suite_target} PRIVATE ZP_SAMPLE_DIR="${CMAKE_SOURCE_DIR}/resources/sample")
