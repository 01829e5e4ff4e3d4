# SPDX-License-Identifier: MIT
# The real window driven over the accessibility bus under Xvfb (skipped with a
# message when Xvfb or pyatspi is missing).
add_test(NAME ui_end_to_end
  COMMAND /usr/bin/python3 ${dir}/end_to_end.py $<TARGET_FILE:zentaprint>
          ${CMAKE_SOURCE_DIR}/resources/sample/product-label.zp3)
set_tests_properties(ui_end_to_end PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
add_dependencies(${suite_target} zentaprint)
