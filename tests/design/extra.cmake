# SPDX-License-Identifier: MIT
# The design area's tests drive it with QTest mouse and key events.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${suite_target} PRIVATE Qt6::Test)
