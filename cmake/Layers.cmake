# The program's layers, in one place: the build makes a library of each
# layer's folder linked to exactly what the layer may use, and
# tests/layers/CheckLayers.cmake reads every include against the same rows.

# A layer (a folder, or one file that stands apart), then the paths its files
# may include: a folder ends in "/", a single header is named whole, and what
# such a header includes must be of the layer's paths too. A layer always
# uses its own folder. The more specific layer is listed first.
# Of app/, the setting pages and the families use only the bases of the pages
# and the units (the families also the unit factory's table they fill): the
# main window, the application, the window's settings and its About box stay
# out of their reach.
set(VESK_LAYERS
  "start/main.cpp|app/ units/UnitFamilies.h"
  "units/core/|comm/VeskComm.h"
  "text/|"
  "comm/|text/EnergyTables.h"
  "controls/|text/"
  "html/|"
  "app/|text/ controls/ html/ comm/VeskComm.h"
  "pages/|text/ controls/ comm/VeskComm.h \
    app/Panel.h app/CtrlHelpers.h app/FlashDevice.h app/FlashDevicePropertyPage.h"
  "units/|text/ controls/ pages/ units/core/ comm/VeskComm.h \
    app/Panel.h app/CtrlHelpers.h app/FlashDevice.h app/FlashDevicePropertyPage.h app/UnitFamilies.h"
  "tools/|text/ comm/ controls/ app/ pages/ units/ html/")
# Layers that must build without the toolkit.
set(VESK_LAYERS_WITHOUT_TOOLKIT comm/ units/core/)
# The target a layer is built as, or that a header named whole stands for. A
# folder's target is a library of its sources, less those of a more specific
# layer. The library is built in comm/ and the tools are programs of their
# own, so their uses are the include check's alone.
set(VESK_LAYER_TARGETS
  "start/main.cpp|VeskStudio"
  "units/core/|vesk_units_core"
  "text/|vesk_text"
  "controls/|vesk_controls"
  "html/|vesk_html"
  "app/|vesk_app"
  "pages/|vesk_pages"
  "units/|vesk_units"
  "comm/VeskComm.h|vesk_comm")
# What every layer's target that uses the toolkit links besides the table.
set(VESK_LAYER_TOOLKIT vesk_toolkit)

# The target named for PATH exactly, else that of the most specific folder
# holding it; empty when there is none.
function(vesk_layer_target path out)
  set(found "")
  foreach(row IN LISTS VESK_LAYER_TARGETS)
    string(REGEX REPLACE "\\|.*" "" key "${row}")
    string(REGEX REPLACE "^[^|]*\\|" "" target "${row}")
    if(key STREQUAL path)
      set(found "${target}")
      break()
    endif()
    string(FIND "${path}" "${key}" at)
    if(found STREQUAL "" AND at EQUAL 0 AND key MATCHES "/$")
      set(found "${target}")
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The targets LAYER's target links by the table, and the toolkit where the
# layer uses it.
function(vesk_layer_links layer out)
  set(links "")
  foreach(row IN LISTS VESK_LAYERS)
    string(REGEX REPLACE "\\|.*" "" key "${row}")
    if(NOT key STREQUAL layer)
      continue()
    endif()
    string(REGEX REPLACE "^[^|]*\\|" "" allowed "${row}")
    separate_arguments(allowed UNIX_COMMAND "${allowed}")
    vesk_layer_target("${layer}" own)
    foreach(entry IN LISTS allowed)
      vesk_layer_target("${entry}" target)
      if(target STREQUAL "")
        message(FATAL_ERROR "${layer} uses ${entry}, which no target stands for")
      endif()
      if(NOT target STREQUAL own)
        list(APPEND links ${target})
      endif()
    endforeach()
  endforeach()
  if(NOT layer IN_LIST VESK_LAYERS_WITHOUT_TOOLKIT)
    list(APPEND links ${VESK_LAYER_TOOLKIT})
  endif()
  list(REMOVE_DUPLICATES links)
  set(${out} "${links}" PARENT_SCOPE)
endfunction()
