# Runs tessarine-sim on a fresh copy of the test content and checks its exit
# status; with REPEAT, runs it twice more on fresh copies and checks that the
# traces are the same bytes. No display: the simulator needs none, unless
# DRAW asks for the OpenGL engine; PICTURES are then the files the script
# must have written (it runs in WORK).
# REMOVE names a file taken out of the game folder. HELP is a help page that
# MODELGEN lays out in the game folder. SIGNED names save files the script
# must have written into the game folder: each must begin with the save
# signature, 34 i32 values of 100.
#   cmake -DSIM=... -DDATA=... -DOBJE=... -DGRAPH=... -DWORK=... -DSCRIPT=... -DEXIT=0
#         [-DREPEAT=ON] [-DSEED=N] [-DSTDERR=regex] [-DDRAW=ON -DPICTURES=a.png;b.png]
#         [-DREMOVE=Data/ObjeData] [-DMODELGEN=... -DHELP=page.html] [-DSIGNED=Save/Save3]
#         -P RunSim.cmake
set(draw_option)
if(DRAW)
  set(draw_option --draw)
else()
  unset(ENV{DISPLAY})
endif()
unset(ENV{QT_QPA_PLATFORM})
if(NOT DEFINED SEED)
  set(SEED 1)
endif()

function(run_sim name out_trace out_status out_stderr)
  set(game ${WORK}/${name})
  file(REMOVE_RECURSE ${game})
  file(MAKE_DIRECTORY ${game})
  file(COPY ${DATA} ${OBJE} ${GRAPH} DESTINATION ${game})
  if(DEFINED REMOVE)
    file(REMOVE ${game}/${REMOVE})
  endif()
  if(DEFINED HELP)
    execute_process(COMMAND ${MODELGEN} help ${HELP} ${game} RESULT_VARIABLE laid_out)
    if(laid_out)
      message(FATAL_ERROR "the help page could not be laid out")
    endif()
  endif()
  execute_process(COMMAND ${SIM} --game ${game} --script ${SCRIPT} --seed ${SEED}
                          --trace ${WORK}/${name}.trace ${draw_option}
                  WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  message("${output}${errors}")
  set(${out_trace} ${WORK}/${name}.trace PARENT_SCOPE)
  set(${out_status} ${status} PARENT_SCOPE)
  set(${out_stderr} "${errors}" PARENT_SCOPE)
endfunction()

run_sim(first trace status errors)
if(NOT status STREQUAL EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}")
endif()
if(DEFINED STDERR AND NOT errors MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match ${STDERR}")
endif()
foreach(picture ${PICTURES})
  file(READ ${WORK}/${picture} signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${picture} is not a PNG picture")
  endif()
endforeach()
string(REPEAT "64000000" 34 signature_of_saves)
foreach(saved ${SIGNED})
  set(file ${WORK}/first/${saved})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${saved} was not written")
  endif()
  file(SIZE ${file} size)
  file(READ ${file} signature LIMIT 136 HEX)
  if(size LESS_EQUAL 136 OR NOT signature STREQUAL signature_of_saves)
    message(FATAL_ERROR "${saved} does not begin with the save signature: ${signature}")
  endif()
endforeach()
if(REPEAT)
  file(SIZE ${trace} size)
  if(size EQUAL 0)
    message(FATAL_ERROR "the trace is empty")
  endif()
  foreach(run second third)
    run_sim(${run} again status errors)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${trace} ${again}
                    RESULT_VARIABLE different)
    if(different)
      message(FATAL_ERROR "the ${run} run's trace differs from the first")
    endif()
  endforeach()
endif()
