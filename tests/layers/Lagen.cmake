# The folders of the program stand in layers, and a file may include headers
# of its own folder and of the folders below it only:
#   data <- controls, mail <- report, views <- feature folders <- app
# Feature folders do not include each other; a window that opens a window of
# another feature folder is named in Toegestaan. The general libraries know
# nothing of Orvel's tables, so they include no table header.
#
# The tests of a folder (tests/<folder>/) stand where their folder stands,
# their shared support (tests/common/) just above the controls; the command-line
# programs (tools/) and the benchmarks (bench/) stand on top of everything.
# Nowhere does an include climb out of its folder ("../").
#
#   cmake -DSRC=<folder holding the program's folders>
#         [-DTESTS=<tests folder>] [-DTOOLS=<tools folder>] [-DBENCH=<bench folder>] -P Lagen.cmake
# Lists every include that breaks this and fails; silent when all is well.
cmake_minimum_required(VERSION 3.25)

set(Laag_data 0)
set(Laag_controls 1)
set(Laag_mail 1)
set(Laag_report 2)
set(Laag_views 2)
set(Laag_participants 3)
set(Laag_planning 3)
set(Laag_reference 3)
set(Laag_output 3)
set(Laag_backup 3)
set(Laag_app 4)
set(Bovenaan 5)

# "folder>folder/Header.h" for each window that opens one of another feature
# folder.
set(Toegestaan "planning>reference/KiesBegeleidFrm.h"
               "output>participants/KiesCursusFrm.h" "output>participants/InvoerDiplFrm.h"
               "output>participants/AED_invulFrm.h")

set(Algemeen controls report mail)
set(TabelKoppen data/DataModFrm.h data/TableHandle.h data/Storage.h data/Schema.h data/LijstQuery.h)

if(NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "No source folder given (-DSRC=...): '${SRC}'")
endif()

set(fouten "")

# Checks the includes of one file that stands in layer `laag` as folder `map`
# (a folder of the program, or a place outside it such as tests/common).
function(controleer pad naam map laag)
  file(STRINGS "${pad}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(regel IN LISTS regels)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" kop "${regel}")
    if(kop MATCHES "(^|/)\\.\\./")
      list(APPEND fouten "${naam}: includes ${kop} by a path that climbs out of its folder")
      continue()
    endif()
    if(NOT kop MATCHES "^[A-Za-z_]+/")
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" doel "${kop}")
    if(doel STREQUAL map)
      continue()
    endif()
    if(NOT DEFINED Laag_${doel})
      list(APPEND fouten "${naam}: includes ${kop} of ${doel}, a folder that has no place in the layers")
    elseif(Laag_${doel} GREATER laag)
      list(APPEND fouten "${naam}: includes ${kop} of ${doel}, which stands above ${map}")
    elseif(Laag_${doel} EQUAL laag AND NOT "${map}>${kop}" IN_LIST Toegestaan)
      list(APPEND fouten "${naam}: includes ${kop} of ${doel}, which stands beside ${map}")
    elseif(map IN_LIST Algemeen AND kop IN_LIST TabelKoppen)
      list(APPEND fouten "${naam}: includes the table header ${kop}, but ${map} is general")
    endif()
  endforeach()
  set(fouten "${fouten}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE bestanden RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
foreach(bestand IN LISTS bestanden)
  string(REGEX MATCH "^[^/]+" map "${bestand}")
  if(NOT DEFINED Laag_${map})
    list(APPEND fouten "${bestand}: the folder ${map} has no place in the layers")
    continue()
  endif()
  controleer("${SRC}/${bestand}" "${bestand}" "${map}" "${Laag_${map}}")
endforeach()

if(TESTS)
  file(GLOB_RECURSE bestanden RELATIVE "${TESTS}" "${TESTS}/*.h" "${TESTS}/*.cpp")
  foreach(bestand IN LISTS bestanden)
    string(REGEX MATCH "^[^/]+" map "${bestand}")
    if(map STREQUAL "layers")
      continue()  # the check's own example tree breaks the layers on purpose
    elseif(map STREQUAL "common")
      set(laag ${Laag_views})  # on the controls, beside the kit
    elseif(DEFINED Laag_${map})
      set(laag ${Laag_${map}})
    else()
      list(APPEND fouten "tests/${bestand}: the folder ${map} has no place in the layers")
      continue()
    endif()
    controleer("${TESTS}/${bestand}" "tests/${bestand}" "${map}" "${laag}")
  endforeach()
endif()

foreach(boven TOOLS BENCH)
  if(${boven})
    string(TOLOWER "${boven}" naam)
    file(GLOB_RECURSE bestanden RELATIVE "${${boven}}" "${${boven}}/*.h" "${${boven}}/*.cpp")
    foreach(bestand IN LISTS bestanden)
      controleer("${${boven}}/${bestand}" "${naam}/${bestand}" "${naam}" "${Bovenaan}")
    endforeach()
  endif()
endforeach()

# One line per include, unwrapped, so that each can be found by its text.
foreach(fout IN LISTS fouten)
  message(NOTICE "${fout}")
endforeach()
list(LENGTH fouten aantal)
if(aantal GREATER 0)
  message(FATAL_ERROR "${aantal} includes against the layers")
endif()
