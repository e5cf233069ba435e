# Runs one libFuzzer target for a bounded time on a scratch copy of its seeds.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB seeds ${SEEDS}/*)
if(seeds)
  file(COPY ${seeds} DESTINATION ${WORK})
endif()
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=65536 -timeout=10
                        -rss_limit_mb=1024 -print_final_stats=1 ${WORK}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed: ${result}")
endif()
