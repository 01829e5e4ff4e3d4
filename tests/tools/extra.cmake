# SPDX-License-Identifier: MIT
# The tools are driven with QTest mouse and key events.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${suite_target} PRIVATE Qt6::Test)
