# SPDX-License-Identifier: MIT
# The label reader's fuzz build (./zp fuzz): the core library instrumented for
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer.
option(ZP_FUZZ "Build the libFuzzer targets of fuzz/ (clang only)" OFF)
if(ZP_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZP_FUZZ needs clang (CXX=clang++)")
  endif()
  set(ZP_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
  target_compile_options(zentaprint_core PRIVATE ${ZP_FUZZ_FLAGS})
  target_link_options(zentaprint_core INTERFACE -fsanitize=address,undefined)
  add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
  target_compile_options(fuzz_label_reader PRIVATE ${ZP_FUZZ_FLAGS})
endif()
