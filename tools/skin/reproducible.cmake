# Redraws the skin and the icons into OUT and fails when any file differs from ASSETS. ICO
# files are left out: Qt's ICO writer leaves the padding of each mask row uninitialised.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${SKINGEN} ${OUT}/skin --icons ${OUT}/icons RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "skingen failed (${rc})")
endif()
foreach(folder skin icons)
  execute_process(COMMAND diff -rq -x *.ico ${OUT}/${folder} ${ASSETS}/${folder}
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "assets/${folder} is not what skingen draws: redraw it")
  endif()
endforeach()
message(STATUS "the committed skin and icons are what skingen draws")
