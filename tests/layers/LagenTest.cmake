# The layer check on a small tree that breaks the order in every way it
# knows, next to includes it must accept. Beside the example program tree
# stand example tests (voorbeeldtests) and an example tool (voorbeeldtools).
#   cmake -DCHECK=<Lagen.cmake> -DVOORBEELD=<folder of the example tree> -P LagenTest.cmake
get_filename_component(plek "${VOORBEELD}" DIRECTORY)
execute_process(COMMAND "${CMAKE_COMMAND}" -DSRC=${VOORBEELD} -DTESTS=${plek}/voorbeeldtests
                        -DTOOLS=${plek}/voorbeeldtools -P "${CHECK}"
                RESULT_VARIABLE afloop OUTPUT_VARIABLE uit ERROR_VARIABLE uit)
if(afloop EQUAL 0)
  message(FATAL_ERROR "The check accepted a tree that breaks the layers:\n${uit}")
endif()
set(verwacht
    "controls/Knop.h: includes views/Grid.h of views, which stands above controls"
    "controls/Kleur.h: includes the table header data/DataModFrm.h, but controls is general"
    "views/Grid.h: includes app/MainFrm.h of app, which stands above views"
    "planning/Gen.h: includes participants/Cursist.h of participants, which stands beside planning"
    "vreemd/Iets.h: the folder vreemd has no place in the layers"
    "output/Lijst.h: includes extra/Ding.h of extra, a folder that has no place in the layers"
    "planning/Gen.h: includes ../app/MainFrm.h by a path that climbs out of its folder"
    "tests/views/tst_grid.cpp: includes app/MainFrm.h of app, which stands above views"
    "tests/common/Steun.h: includes views/Grid.h of views, which stands beside common"
    "tools/orvel-iets/main.cpp: includes ../../voorbeeld/data/Routines.h by a path that climbs out of its folder"
    "10 includes against the layers")
foreach(regel IN LISTS verwacht)
  string(FIND "${uit}" "${regel}" plek)
  if(plek LESS 0)
    message(FATAL_ERROR "Not reported: ${regel}\nThe check said:\n${uit}")
  endif()
endforeach()
# Own folder, folders below, and a general header in a general folder pass:
# nothing else is reported.
foreach(goed "participants/Cursist.h" "app/MainFrm.h" "data/Routines.h" "tests/data/tst_routines.cpp")
  string(FIND "${uit}" "${goed}:" plek)
  if(NOT plek LESS 0)
    message(FATAL_ERROR "Reported although allowed: ${goed}\nThe check said:\n${uit}")
  endif()
endforeach()
