# SPDX-License-Identifier: MIT
# The main window benchmark runs the program itself.
add_dependencies(bench_${name} zentaprint)
target_compile_definitions(bench_${name} PRIVATE ZP_EXECUTABLE="$<TARGET_FILE:zentaprint>")
