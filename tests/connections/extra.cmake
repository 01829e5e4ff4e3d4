# SPDX-License-Identifier: MIT
# The shipped sample data, opened by the sample data test.
target_compile_definitions(${suite_target} PRIVATE ZP_SAMPLE_DIR="${CMAKE_SOURCE_DIR}/resources/sample")
