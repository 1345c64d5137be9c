# Plays the shipped town recording its route and plan, replays the route, and
# checks that both runs pass with the same report and that the plan is a PNG.
execute_process(COMMAND ${CHECK} --min-weight 2000 --route-out ${OUT}/route.txt
                        --plan ${OUT}/plan.png
    RESULT_VARIABLE played OUTPUT_VARIABLE play)
execute_process(COMMAND ${CHECK} --min-weight 2000 --replay ${OUT}/route.txt
    RESULT_VARIABLE replayed OUTPUT_VARIABLE replay)
if(NOT played EQUAL 0 OR NOT replayed EQUAL 0)
    message(FATAL_ERROR "play ${played}, replay ${replayed}:\n${play}\n${replay}")
endif()
if(NOT play STREQUAL replay)
    message(FATAL_ERROR "the replay reports differently:\n${play}\n---\n${replay}")
endif()
file(READ ${OUT}/plan.png signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "plan.png is not a PNG file")
endif()
