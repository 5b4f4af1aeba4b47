# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DPROGRAM=<test program> -DCTEST_FILE=<file> [-DENVIRONMENT=NAME=value] -P ListSuites.cmake
# Writes one add_test per GoogleTest suite of PROGRAM into CTEST_FILE.
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env ${ENVIRONMENT} "${PROGRAM}" --gtest_list_tests
  OUTPUT_VARIABLE listing
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result})")
endif()

# A suite's line starts in the first column and ends its name with a dot; its cases are indented.
string(REGEX MATCHALL "\n[^ \n]+\\." suite_lines "\n${listing}")
set(content "")
foreach(line IN LISTS suite_lines)
  string(REGEX REPLACE "^\n(.*)\\.$" "\\1" suite "${line}")
  string(APPEND content "add_test([=[${suite}]=] [=[${PROGRAM}]=] [=[--gtest_filter=${suite}.*]=])\n")
  if(ENVIRONMENT)
    string(APPEND content
      "set_tests_properties([=[${suite}]=] PROPERTIES ENVIRONMENT [=[${ENVIRONMENT}]=])\n")
  endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${content}")
