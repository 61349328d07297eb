# One CTest test per GoogleTest suite of a GUI test program, each on a
# virtual X display of its own (tests/own-display.sh). A suite shares one
# start of the toolkit, which costs more than most of its tests; its tests do
# not depend on each other's order or leavings, so the whole program in one
# process passes as well.
#   vesk_suite_tests(target [RUN_SERIAL suite...] [LONG suite...]
#                    [WINDOW_MANAGER name suite-regex])
# LONG suites run as one test per GoogleTest test and start first, so that
# the longest do not end the run alone.
# Suites that suite-regex matches run once more under a small window manager
# (tests/with-window-manager.sh), each as the test name/<suite>.
# A test that skipped a case and failed none shows as skipped. A suite list
# that names no suite of the program fails the build after the program's
# link (tests/cmake/ListSuites.cmake).
function(vesk_suite_tests target)
  cmake_parse_arguments(arg "" "" "RUN_SERIAL;LONG;WINDOW_MANAGER" ${ARGN})
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vesk_suite_tests(${target}): ${arg_UNPARSED_ARGUMENTS} before any of RUN_SERIAL, LONG, WINDOW_MANAGER")
  endif()
  list(LENGTH arg_WINDOW_MANAGER wm_count)
  if(NOT wm_count EQUAL 0 AND NOT wm_count EQUAL 2)
    message(FATAL_ERROR "vesk_suite_tests(${target}): WINDOW_MANAGER takes a name and a suite regex, not ${arg_WINDOW_MANAGER}")
  endif()
  set(ctest_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
  list(JOIN arg_RUN_SERIAL "," serial)
  list(JOIN arg_LONG "," long)
  set(wm_name "")
  set(wm_suites "")
  if(arg_WINDOW_MANAGER)
    list(GET arg_WINDOW_MANAGER 0 wm_name)
    list(GET arg_WINDOW_MANAGER 1 wm_suites)
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    BYPRODUCTS "${ctest_file}"
    COMMAND "${CMAKE_COMMAND}"
      -D "PROGRAM=$<TARGET_FILE:${target}>"
      -D "LAUNCHER=${PROJECT_SOURCE_DIR}/tests/own-display.sh"
      -D "WORKING_DIRECTORY=${PROJECT_SOURCE_DIR}"
      # GTK and fontconfig keep memory until exit; leaks of the toolkit are not ours.
      -D "ENVIRONMENT=ASAN_OPTIONS=detect_leaks=0"
      -D "SERIAL=${serial}"
      -D "LONG=${long}"
      -D "WM_LAUNCHER=${PROJECT_SOURCE_DIR}/tests/with-window-manager.sh"
      -D "WM_NAME=${wm_name}"
      -D "WM_SUITES=${wm_suites}"
      -D "OUTPUT=${ctest_file}"
      -P "${PROJECT_SOURCE_DIR}/tests/cmake/ListSuites.cmake"
    VERBATIM)
  set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites_include.cmake")
  file(WRITE "${include_file}"
    "if(EXISTS \"${ctest_file}\")\n"
    "  include(\"${ctest_file}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()
