# SPDX-License-Identifier: MIT
# The dialog tests type into fields as a user does (QTest key clicks).
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${suite_target} PRIVATE Qt6::Test)
