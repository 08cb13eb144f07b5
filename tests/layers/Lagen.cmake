# The folders of the program stand in layers, and a file may include headers
# of its own folder and of the folders below it only:
#   data <- controls, report, mail <- views <- feature folders <- app
# Feature folders do not include each other; a window that opens a window of
# another feature folder is named in Toegestaan. The general libraries know
# nothing of Orvel's tables, so they include no table header.
#
#   cmake -DSRC=<folder holding the program's folders> -P Lagen.cmake
# Lists every include that breaks this and fails; silent when all is well.
cmake_minimum_required(VERSION 3.25)

set(Laag_data 0)
set(Laag_controls 1)
set(Laag_report 1)
set(Laag_mail 1)
set(Laag_views 2)
set(Laag_participants 3)
set(Laag_planning 3)
set(Laag_reference 3)
set(Laag_output 3)
set(Laag_backup 3)
set(Laag_app 4)

# "folder>folder/Header.h" for each window that opens one of another feature
# folder. The report engine's windows (preview, designer) are the program's
# windows too: they take its colours, controls and hourglass.
set(Toegestaan "planning>reference/KiesBegeleidFrm.h"
               "output>participants/KiesCursusFrm.h" "output>participants/InvoerDiplFrm.h"
               "output>participants/AED_invulFrm.h"
               "report>controls/KleurSchema.h" "report>controls/Knop.h" "report>controls/WachtCursor.h")

set(Algemeen controls report mail)
set(TabelKoppen data/DataModFrm.h data/TableHandle.h data/Storage.h data/Schema.h data/LijstQuery.h)

if(NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "No source folder given (-DSRC=...): '${SRC}'")
endif()

file(GLOB_RECURSE bestanden RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(fouten "")
foreach(bestand IN LISTS bestanden)
  string(REGEX MATCH "^[^/]+" map "${bestand}")
  if(NOT DEFINED Laag_${map})
    list(APPEND fouten "${bestand}: the folder ${map} has no place in the layers")
    continue()
  endif()
  file(STRINGS "${SRC}/${bestand}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z_]+/")
  foreach(regel IN LISTS regels)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" kop "${regel}")
    string(REGEX MATCH "^[^/]+" doel "${kop}")
    if(doel STREQUAL map)
      continue()
    endif()
    if(NOT DEFINED Laag_${doel})
      list(APPEND fouten "${bestand}: includes ${kop} of ${doel}, a folder that has no place in the layers")
    elseif(Laag_${doel} GREATER Laag_${map})
      list(APPEND fouten "${bestand}: includes ${kop} of ${doel}, which stands above ${map}")
    elseif(Laag_${doel} EQUAL Laag_${map} AND NOT "${map}>${kop}" IN_LIST Toegestaan)
      list(APPEND fouten "${bestand}: includes ${kop} of ${doel}, which stands beside ${map}")
    elseif(map IN_LIST Algemeen AND kop IN_LIST TabelKoppen)
      list(APPEND fouten "${bestand}: includes the table header ${kop}, but ${map} is general")
    endif()
  endforeach()
endforeach()

# One line per include, unwrapped, so that each can be found by its text.
foreach(fout IN LISTS fouten)
  message(NOTICE "${fout}")
endforeach()
list(LENGTH fouten aantal)
if(aantal GREATER 0)
  message(FATAL_ERROR "${aantal} includes against the layers")
endif()
