# The player's history: opening the window of the player's statistics over a
# long history, and adding a game to it.
if(TARGET torvel_windows)
  add_executable(history_bench history_bench.cpp)
  target_link_libraries(history_bench PRIVATE torvel_windows benchmark::benchmark)
endif()
