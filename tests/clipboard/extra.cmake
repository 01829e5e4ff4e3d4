# SPDX-License-Identifier: MIT
# The clipboard commands are driven with QTest events on a design area.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${suite_target} PRIVATE Qt6::Test)
# Pasting what another process put on the X clipboard, in the real program
# under Xvfb (skipped with a message when Xvfb, xclip or pyatspi is missing).
add_test(NAME clipboard_cross_process
  COMMAND /usr/bin/python3 ${dir}/cross_process.py $<TARGET_FILE:zentaprint>
          ${CMAKE_SOURCE_DIR}/tests/data/clipboard/text-and-barcode.objects)
set_tests_properties(clipboard_cross_process PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
add_dependencies(${suite_target} zentaprint)
