cmake_minimum_required(VERSION 3.25)
# Run after a test program is built: writes one CTest test per GoogleTest
# suite of PROGRAM into OUTPUT, each run through LAUNCHER. Suites named in
# SERIAL (comma-separated) run alone. Those in LONG run as one CTest test per
# GoogleTest test, named SUITE.TEST, and start first, so that no long suite
# holds one process past its limit on a loaded machine. A suite
# whose name holds "Screen" and a size (as in "Screen800x600Full/FitTest")
# runs on a screen of that size. Suites that the regular expression
# WM_SUITES matches run once more under the window manager of WM_LAUNCHER,
# as the test WM_NAME/<name> of each. A name in SERIAL or LONG that is no
# suite of PROGRAM, or a WM_SUITES that matches none, fails the listing: the
# suite would run the wrong way unseen. A test whose cases passed but some
# skipped shows as skipped (report-skips.sh), one that failed as failed.
execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
  OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${listing}")
endif()
# Suite lines start at the line's beginning and end in a point; the test
# lines under them are indented, and the listing may add a comment (type or
# value parameter) after either.
string(REPLACE ";" "," listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
string(REPLACE "," ";" serial "${SERIAL}")
string(REPLACE "," ";" long "${LONG}")
set(script "")
# One test: its name, its suite, the filter of the tests it runs and the
# launchers before the program.
function(add_suite_test name suite filter launchers)
  set(environment "${ENVIRONMENT}")
  if(suite MATCHES "Screen([0-9]+x[0-9]+)")
    string(APPEND environment ";VESK_SCREEN=${CMAKE_MATCH_1}")
  endif()
  set(command "")
  foreach(launcher IN LISTS launchers ITEMS "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/report-skips.sh")
    string(APPEND command "\"${launcher}\" ")
  endforeach()
  string(APPEND script
    "add_test([==[${name}]==] ${command}\"${PROGRAM}\" [==[--gtest_filter=${filter}]==])\n"
    "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY \"${WORKING_DIRECTORY}\""
    " ENVIRONMENT \"${environment}\" TIMEOUT 600 SKIP_RETURN_CODE 77")
  if(suite IN_LIST serial)
    string(APPEND script " RUN_SERIAL TRUE")
  endif()
  if(suite IN_LIST long)
    string(APPEND script " COST 1000")
  endif()
  string(APPEND script ")\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()
# One test per suite, or per test of a LONG suite, each once more under the
# window manager where WM_SUITES matches its suite.
function(add_test_with_wm name suite filter)
  add_suite_test("${name}" "${suite}" "${filter}" "${LAUNCHER}")
  if(NOT WM_SUITES STREQUAL "" AND suite MATCHES "${WM_SUITES}")
    add_suite_test("${WM_NAME}/${name}" "${suite}" "${filter}" "${LAUNCHER};${WM_LAUNCHER}")
  endif()
  set(script "${script}" PARENT_SCOPE)
endfunction()
set(suite "")
set(suites "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z0-9_/]+)\\.( |$)")
    set(suite "${CMAKE_MATCH_1}")
    list(APPEND suites "${suite}")
    if(NOT suite IN_LIST long)
      add_test_with_wm("${suite}" "${suite}" "${suite}.*")
    endif()
  elseif(line MATCHES "^  ([A-Za-z0-9_/]+)( |$)" AND suite IN_LIST long)
    add_test_with_wm("${suite}.${CMAKE_MATCH_1}" "${suite}" "${suite}.${CMAKE_MATCH_1}")
  endif()
endforeach()
if(script STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests listed no suite:\n${listing}")
endif()
# Named by the keywords of vesk_suite_tests, where they are written.
set(unknown "")
set(keywords RUN_SERIAL LONG)
set(named serial long)
foreach(keyword list IN ZIP_LISTS keywords named)
  foreach(name IN LISTS ${list})
    if(NOT name IN_LIST suites)
      string(APPEND unknown "\n  ${keyword} names ${name}, which is no suite of the program")
    endif()
  endforeach()
endforeach()
if(NOT WM_SUITES STREQUAL "")
  set(matched FALSE)
  foreach(name IN LISTS suites)
    if(name MATCHES "${WM_SUITES}")
      set(matched TRUE)
    endif()
  endforeach()
  if(NOT matched)
    string(APPEND unknown "\n  WINDOW_MANAGER ${WM_NAME} takes ${WM_SUITES}, which matches no suite of the program")
  endif()
endif()
if(NOT unknown STREQUAL "")
  message(FATAL_ERROR "${PROGRAM}:${unknown}")
endif()
file(WRITE "${OUTPUT}" "${script}")
