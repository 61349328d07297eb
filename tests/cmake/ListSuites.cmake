cmake_minimum_required(VERSION 3.25)
# Run after a test program is built: writes one CTest test per GoogleTest
# suite of PROGRAM into OUTPUT, each run through LAUNCHER. Suites named in
# SERIAL (comma-separated) run alone; those in LONG start first.
execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
  OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${listing}")
endif()
# Suite lines start at the line's beginning and end in a point; the listing
# may add a comment (type or value parameter) after it.
string(REGEX MATCHALL "\n[A-Za-z0-9_/]+\\." suites "\n${listing}")
string(REPLACE "," ";" serial "${SERIAL}")
string(REPLACE "," ";" long "${LONG}")
set(script "")
foreach(line IN LISTS suites)
  string(REGEX REPLACE "^\n(.*)\\.$" "\\1" suite "${line}")
  string(APPEND script
    "add_test([==[${suite}]==] \"${LAUNCHER}\" \"${PROGRAM}\" [==[--gtest_filter=${suite}.*]==])\n"
    "set_tests_properties([==[${suite}]==] PROPERTIES WORKING_DIRECTORY \"${WORKING_DIRECTORY}\""
    " ENVIRONMENT \"${ENVIRONMENT}\" TIMEOUT 600")
  if(suite IN_LIST serial)
    string(APPEND script " RUN_SERIAL TRUE")
  endif()
  if(suite IN_LIST long)
    string(APPEND script " COST 1000")
  endif()
  string(APPEND script ")\n")
endforeach()
file(WRITE "${OUTPUT}" "${script}")
