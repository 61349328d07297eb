cmake_minimum_required(VERSION 3.25)
# Reads every include of the program's sources under ROOT against the table
# of what each layer may use, and fails naming each include that runs up a
# layer, reaches into the library's insides from GUI code, or brings the
# toolkit into the library or the toolkit-free family code.
#   cmake -D ROOT=<source root> -P CheckLayers.cmake

# A layer (a folder, or one file that stands apart), then the paths its files
# may include: a folder ends in "/", a single header is named whole. A layer
# always uses its own folder. The more specific layer is listed first.
set(layers
  "app/main.cpp|app/ units/UnitFamilies.h"
  "units/core/|comm/VeskComm.h"
  "text/|"
  "comm/|text/EnergyTables.h"
  "controls/|text/"
  "html/|"
  "app/|text/ controls/ html/ comm/VeskComm.h"
  "pages/|text/ controls/ app/ comm/VeskComm.h"
  "units/|text/ controls/ app/ pages/ units/core/ comm/VeskComm.h"
  "tools/|text/ comm/ controls/ app/ pages/ units/ html/")
# Layers that must build without the toolkit.
set(without_toolkit comm/ units/core/)

if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()
set(folders)
foreach(row IN LISTS layers)
  string(REGEX REPLACE "\\|.*" "" layer "${row}")
  string(REGEX REPLACE "/.*" "/" folder "${layer}")
  list(APPEND folders "${ROOT}/${folder}*.h" "${ROOT}/${folder}*.cpp")
endforeach()
list(REMOVE_DUPLICATES folders)
file(GLOB_RECURSE sources RELATIVE "${ROOT}" ${folders})
list(SORT sources)

set(faults 0)
foreach(source IN LISTS sources)
  set(layer "")
  foreach(row IN LISTS layers)
    string(REGEX REPLACE "\\|.*" "" candidate "${row}")
    string(FIND "${source}" "${candidate}" at)
    if(at EQUAL 0)
      set(layer "${candidate}")
      string(REGEX REPLACE "^[^|]*\\|" "" allowed "${row}")
      separate_arguments(allowed UNIX_COMMAND "${allowed}")
      break()
    endif()
  endforeach()
  if(layer STREQUAL "")
    continue()
  endif()
  # A file's own folder; units/core/ is a layer of its own below units/.
  string(REGEX MATCH "^[a-z]+/(core/)?" own "${source}")
  file(STRINGS "${ROOT}/${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "<(wx/[^>]*)>")
      if(layer IN_LIST without_toolkit)
        message("${source}: includes <${CMAKE_MATCH_1}>, but ${layer} builds without the toolkit")
        math(EXPR faults "${faults} + 1")
      endif()
      continue()
    endif()
    if(NOT line MATCHES "\"([a-z]+/[^\"]*)\"")
      continue()
    endif()
    set(target "${CMAKE_MATCH_1}")
    set(ok FALSE)
    foreach(prefix IN LISTS allowed own)
      string(FIND "${target}" "${prefix}" at)
      if(at EQUAL 0)
        set(ok TRUE)
        break()
      endif()
    endforeach()
    if(NOT ok)
      message("${source}: includes \"${target}\", which ${layer} may not use")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) break the layers")
endif()
message("the layers hold in ${ROOT}")
