# cmake -DMAKE_DEMO=<make_demo> -DSHIPPED=<arquivos/campanha> -DOUT=<scratch folder> -P demo_campaign_files.cmake
# The demo campaign in the repository is exactly what its generator writes: every mission and
# campaign file, byte for byte, and no file more or less.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${MAKE_DEMO} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_demo failed (${status})")
endif()
file(GLOB written RELATIVE ${OUT} ${OUT}/*.cfm ${OUT}/*.cfc)
file(GLOB shipped RELATIVE ${SHIPPED} ${SHIPPED}/*.cfm ${SHIPPED}/*.cfc)
list(SORT written)
list(SORT shipped)
if(NOT written STREQUAL shipped)
  message(FATAL_ERROR "make_demo writes [${written}] but the repository holds [${shipped}]")
endif()
foreach(name IN LISTS written)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${SHIPPED}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} differs from what make_demo writes: run make_demo ${SHIPPED}")
  endif()
endforeach()
