# The table of best results: a whole load, enter and save of results.tvl.
add_executable(results_bench results_bench.cpp)
target_link_libraries(results_bench PRIVATE
  torvel_results benchmark::benchmark benchmark::benchmark_main)
