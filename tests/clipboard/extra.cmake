# SPDX-License-Identifier: MIT
# The clipboard commands are driven with QTest events on a design area.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${suite_target} PRIVATE Qt6::Test)
