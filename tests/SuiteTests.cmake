# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One CTest entry per GoogleTest suite: a suite runs in one process, so a test program costs one
# start-up per suite instead of one per case. The suites are listed from the program after every
# build, so a new suite needs no edit here. Run one suite with `ctest -R <suite>`, one case with
# `<program> --gtest_filter=<suite>.<case>`.
set(TESSALIN_LIST_SUITES "${CMAKE_CURRENT_LIST_DIR}/ListSuites.cmake")

# tessalin_add_suite_tests(<target> [ENVIRONMENT <NAME=value>])
function(tessalin_add_suite_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ENVIRONMENT" "")
  set(ctest_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_COMMAND}"
      "-DPROGRAM=$<TARGET_FILE:${target}>"
      "-DCTEST_FILE=${ctest_file}"
      "-DENVIRONMENT=${arg_ENVIRONMENT}"
      -P "${TESSALIN_LIST_SUITES}"
    BYPRODUCTS "${ctest_file}"
    VERBATIM)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${ctest_file}")
endfunction()
