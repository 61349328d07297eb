# The program's layers, in one place: the build makes a library of each
# layer linked to exactly what the layer may use, and
# tests/layers/CheckLayers.cmake reads every include against the same rows.

# A layer (a folder, one file that stands apart, or headers of a folder named
# whole, each with the sources of its name), then the paths its files may
# include: a folder ends in "/", a single header is named whole, and what
# such a header includes must be of the layer's paths too. A layer always
# uses its own paths. The more specific layer is listed first. Paths are
# separated by spaces.
# The bases of app/ that the setting pages build on; the families build on
# them and on the unit factory's table they fill. Together a layer apart from
# the main window, the application, the window's settings and its About box,
# which stay out of the pages' and the families' reach.
set(VESK_PAGE_BASES "app/Panel.h app/CtrlHelpers.h app/FlashDevice.h app/FlashDevicePropertyPage.h")
set(VESK_UNIT_BASES "${VESK_PAGE_BASES} app/UnitFamilies.h")
# The codes of the commands to the units, a header at the ground: the setting
# pages send them and the families' toolkit-free codecs lay their data.
set(VESK_COMMAND_CODES "pages/CommandCodes.h")
set(VESK_LAYERS
  "start/main.cpp|app/ units/UnitFamilies.h"
  "units/core/|comm/VeskComm.h ${VESK_COMMAND_CODES}"
  "text/|"
  "comm/|text/EnergyTables.h"
  "${VESK_COMMAND_CODES}|"
  "controls/|text/"
  "html/|"
  "${VESK_UNIT_BASES}|text/ controls/ comm/VeskComm.h"
  "app/|text/ controls/ html/ comm/VeskComm.h ${VESK_UNIT_BASES}"
  "pages/|text/ controls/ comm/VeskComm.h ${VESK_COMMAND_CODES} ${VESK_PAGE_BASES}"
  "units/|text/ controls/ pages/ units/core/ comm/VeskComm.h ${VESK_UNIT_BASES}"
  "tools/|text/ comm/ controls/ app/ pages/ units/ html/")
# Layers that must build without the toolkit.
set(VESK_LAYERS_WITHOUT_TOOLKIT comm/ units/core/ ${VESK_COMMAND_CODES})
# The target a layer is built as, or that a header named whole stands for;
# the more specific listed first. A layer's target is a library of the
# sources it holds (vesk_layer_sources), or an interface of its headers
# where it holds none. The library is built in comm/ and the tools are
# programs of their own, so their uses are the include check's alone.
set(VESK_LAYER_TARGETS
  "start/main.cpp|VeskStudio"
  "units/core/|vesk_units_core"
  "text/|vesk_text"
  "${VESK_COMMAND_CODES}|vesk_command_codes"
  "controls/|vesk_controls"
  "html/|vesk_html"
  "${VESK_UNIT_BASES}|vesk_app_bases"
  "app/|vesk_app"
  "pages/|vesk_pages"
  "units/|vesk_units"
  "comm/VeskComm.h|vesk_comm")
# What every layer's target that uses the toolkit links besides the table.
set(VESK_LAYER_TOOLKIT vesk_toolkit)

# Whether LAYER, a row's first field, holds the file at PATH: a folder holds
# what lies in it, a file itself, and a header also the sources of its name.
function(vesk_layer_holds layer path out)
  set(holds FALSE)
  separate_arguments(members UNIX_COMMAND "${layer}")
  string(REGEX REPLACE "\\.[^./]*$" "" stem "${path}")
  foreach(member IN LISTS members)
    string(FIND "${path}" "${member}" at)
    if((member MATCHES "/$" AND at EQUAL 0) OR path STREQUAL member
       OR (member MATCHES "\\.h$" AND member STREQUAL "${stem}.h"))
      set(holds TRUE)
      break()
    endif()
  endforeach()
  set(${out} ${holds} PARENT_SCOPE)
endfunction()

# The first of ROWS ("layer|..." each) that holds PATH, or whose layer is
# PATH as written: in OUT its layer, in REST_OUT the rest of the row; empty
# when there is none.
function(vesk_layer_row rows path out rest_out)
  set(found "")
  set(rest "")
  foreach(row IN LISTS rows)
    string(REGEX REPLACE "\\|.*" "" key "${row}")
    vesk_layer_holds("${key}" "${path}" holds)
    if(holds OR key STREQUAL path)
      set(found "${key}")
      string(REGEX REPLACE "^[^|]*\\|" "" rest "${row}")
      break()
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
  set(${rest_out} "${rest}" PARENT_SCOPE)
endfunction()

# The layer that holds PATH, and in USES_OUT the paths it may use, as a list.
function(vesk_layer_of path out uses_out)
  vesk_layer_row("${VESK_LAYERS}" "${path}" layer uses)
  separate_arguments(uses UNIX_COMMAND "${uses}")
  set(${out} "${layer}" PARENT_SCOPE)
  set(${uses_out} "${uses}" PARENT_SCOPE)
endfunction()

# The target that stands for PATH, or for the layer PATH; empty when there is
# none.
function(vesk_layer_target path out)
  vesk_layer_row("${VESK_LAYER_TARGETS}" "${path}" layer target)
  set(${out} "${target}" PARENT_SCOPE)
endfunction()

# The sources (*.cpp, relative to ROOT) of LAYER's library: those of its
# paths that no more specific layer holds.
function(vesk_layer_sources root layer out)
  separate_arguments(members UNIX_COMMAND "${layer}")
  set(globs "")
  foreach(member IN LISTS members)
    string(REGEX MATCH "^.*/" folder "${member}")
    list(APPEND globs "${root}/${folder}*.cpp")
  endforeach()
  file(GLOB_RECURSE candidates CONFIGURE_DEPENDS RELATIVE "${root}" ${globs})
  list(REMOVE_DUPLICATES candidates)
  list(SORT candidates)
  set(sources "")
  foreach(candidate IN LISTS candidates)
    vesk_layer_of("${candidate}" holder uses)
    if(holder STREQUAL layer)
      list(APPEND sources "${candidate}")
    endif()
  endforeach()
  set(${out} "${sources}" PARENT_SCOPE)
endfunction()

# The targets LAYER's target links by the table, and the toolkit where the
# layer uses it.
function(vesk_layer_links layer out)
  vesk_layer_row("${VESK_LAYERS}" "${layer}" key allowed)
  if(NOT key STREQUAL layer)
    message(FATAL_ERROR "${layer} is no layer of the table")
  endif()
  separate_arguments(allowed UNIX_COMMAND "${allowed}")
  vesk_layer_target("${layer}" own)
  set(links "")
  foreach(entry IN LISTS allowed)
    vesk_layer_target("${entry}" target)
    if(target STREQUAL "")
      message(FATAL_ERROR "${layer} uses ${entry}, which no target stands for")
    endif()
    if(NOT target STREQUAL own)
      list(APPEND links ${target})
    endif()
  endforeach()
  if(NOT layer IN_LIST VESK_LAYERS_WITHOUT_TOOLKIT)
    list(APPEND links ${VESK_LAYER_TOOLKIT})
  endif()
  list(REMOVE_DUPLICATES links)
  set(${out} "${links}" PARENT_SCOPE)
endfunction()
