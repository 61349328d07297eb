cmake_minimum_required(VERSION 3.25)
# The registration of ListSuites.cmake on the probe program PROGRAM
# (SuiteProbe.cpp), with the launchers of ROOT/tests, run in SCRATCH:
#   EachOutcomeShowsInCTest: the registered tests, run by CTEST, show a
#     suite or case that passed as passed, one that skipped a case and
#     failed none as skipped (also under the window manager), and one that
#     failed as failed, also beside a skip.
#   UnknownSuiteFailsTheListing: a suite list naming no suite of the
#     program, or a window manager's regex matching none, fails the listing
#     with the name and writes no tests.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(problems "")

# Lists the probe's suites into SCRATCH/probe_suites.cmake; result and
# output in the caller's variables of those names.
function(list_suites serial long wm_suites)
  execute_process(COMMAND "${CMAKE_COMMAND}"
      -D "PROGRAM=${PROGRAM}"
      -D "LAUNCHER=${ROOT}/tests/own-display.sh"
      -D "WORKING_DIRECTORY=${SCRATCH}"
      -D "ENVIRONMENT=ASAN_OPTIONS=detect_leaks=0"
      -D "SERIAL=${serial}"
      -D "LONG=${long}"
      -D "WM_LAUNCHER=${ROOT}/tests/with-window-manager.sh"
      -D "WM_NAME=UnderWindowManager"
      -D "WM_SUITES=${wm_suites}"
      -D "OUTPUT=${SCRATCH}/probe_suites.cmake"
      -P "${ROOT}/tests/cmake/ListSuites.cmake"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(result "${result}" PARENT_SCOPE)
  set(output "${output}" PARENT_SCOPE)
endfunction()

if(CASE STREQUAL "EachOutcomeShowsInCTest")
  list_suites("Passes" "Long" "^Skips$")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the listing of the probe failed (${result}):\n${output}")
  endif()
  file(WRITE "${SCRATCH}/CTestTestfile.cmake" "include(\"${SCRATCH}/probe_suites.cmake\")\n")
  execute_process(COMMAND "${CTEST}" --test-dir "${SCRATCH}" -j2
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  # Each test's line: "1/7 Test #1: Passes ......   Passed    0.01 sec",
  # or "***Skipped", "***Failed".
  string(REPLACE ";" "," lines "${output}")
  string(REPLACE "\n" ";" lines "${lines}")
  set(shown "")
  foreach(line IN LISTS lines)
    if(line MATCHES "Test +#[0-9]+: ([^ ]+) [ .]*[*]*([A-Za-z]+)")
      set("status_${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
      list(APPEND shown "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(expected
    "Passes=Passed" "Skips=Skipped" "SkipsAndFails=Failed"
    "Long.Passes=Passed" "Long.Skips=Skipped" "Long.Fails=Failed"
    "UnderWindowManager/Skips=Skipped")
  set(names "")
  foreach(pair IN LISTS expected)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 status)
    list(APPEND names "${name}")
    if(NOT "${status_${name}}" STREQUAL status)
      string(APPEND problems "\n  ${name} shows as \"${status_${name}}\", not as ${status}")
    endif()
    # The summary lists every test that skipped as one that did not run.
    string(REGEX MATCH "did not run:\n(\t +[0-9]+ - [^\n]+\n)*" not_run "${output}")
    string(FIND "${not_run}" " - ${name} (Skipped)" at)
    if(status STREQUAL "Skipped" AND at EQUAL -1)
      string(APPEND problems "\n  ${name} is missing from the summary's tests that did not run")
    elseif(NOT status STREQUAL "Skipped" AND NOT at EQUAL -1)
      string(APPEND problems "\n  ${name} is in the summary's tests that did not run")
    endif()
  endforeach()
  list(SORT names)
  list(SORT shown)
  if(NOT names STREQUAL shown)
    string(APPEND problems "\n  the tests registered are ${shown}, not ${names}")
  endif()
  if(result EQUAL 0)
    string(APPEND problems "\n  CTest passed a run with failed tests")
  endif()
elseif(CASE STREQUAL "UnknownSuiteFailsTheListing")
  # Serial suites, long suites, the window manager's regex, and the words
  # the failure must say.
  set(cases
    "Passes,Pases|Long|^Skips$|RUN_SERIAL names Pases, which is no suite"
    "Passes|Long,Lnog|^Skips$|LONG names Lnog, which is no suite"
    "Passes|Long|^Skip$|WINDOW_MANAGER UnderWindowManager takes ^Skip$, which matches no suite")
  foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 serial)
    list(GET case 1 long)
    list(GET case 2 wm_suites)
    list(GET case 3 words)
    file(REMOVE "${SCRATCH}/probe_suites.cmake")
    list_suites("${serial}" "${long}" "${wm_suites}")
    string(FIND "${output}" "${words}" at)
    if(result EQUAL 0 OR at EQUAL -1)
      string(APPEND problems "\n  \"${words}\": the listing ended with ${result} and said:\n${output}")
    endif()
    if(EXISTS "${SCRATCH}/probe_suites.cmake")
      string(APPEND problems "\n  \"${words}\": the listing wrote tests all the same")
    endif()
  endforeach()
else()
  message(FATAL_ERROR "no case ${CASE}")
endif()

if(NOT problems STREQUAL "")
  message(FATAL_ERROR "${CASE}:${problems}\n\nCTest or the listing said:\n${output}")
endif()
