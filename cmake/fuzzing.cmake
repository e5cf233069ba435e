# torvel_add_fuzzer(NAME SOURCE LIBRARIES CORPUS_DIR)
#
# With clang the target is a libFuzzer binary, and ctest runs it for a bounded
# time (TORVEL_FUZZ_SECONDS) over its seed corpus.  With other compilers the same
# entry point is linked to a small driver that replays the seed corpus, so the
# seeds stay a regression test everywhere.
set(TORVEL_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs under ctest")

function(torvel_add_fuzzer name source libraries corpus)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${libraries})
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # The libraries under test need coverage instrumentation too, or the
    # fuzzer cannot see which inputs reach new code in them.
    foreach(library IN LISTS libraries)
      target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
    endforeach()
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -E env
                     ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DSEEDS=${corpus}
                     -DWORK=${work} -DSECONDS=${TORVEL_FUZZ_SECONDS}
                     -P ${PROJECT_SOURCE_DIR}/cmake/run_fuzzer.cmake)
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz_replay_main.cpp)
    add_test(NAME ${name} COMMAND ${name} ${corpus})
  endif()
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
