# Benchmarks of the word game engine against the literal reference game.
include(${PROJECT_SOURCE_DIR}/tests/support/game_support.cmake)

add_executable(game_bench game_bench.cpp)
target_link_libraries(game_bench PRIVATE torvel_game_support benchmark::benchmark benchmark::benchmark_main)
