# SPDX-License-Identifier: MIT
# The start-up tests also run the program itself.
add_dependencies(${suite_target} zentaprint)
target_compile_definitions(${suite_target} PRIVATE ZP_EXECUTABLE="$<TARGET_FILE:zentaprint>")
