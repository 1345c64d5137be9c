# Regenerates the town into OUT and compares it with the shipped files.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${GEN} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "town_gen failed: ${rc}")
endif()
foreach(name MapTex.txt Map.txt)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} Data/Map/${name}
        RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "Data/Map/${name} is not what tools/town generates: run town_gen Data/Map")
    endif()
endforeach()
