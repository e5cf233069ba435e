# Support shared by the game's tests and benchmarks: the literal reference game,
# scripted randomness, the lines of crafted word bases and a synthetic base.
if(NOT TARGET torvel_game_support)
  add_library(torvel_game_support STATIC
    ${CMAKE_CURRENT_LIST_DIR}/literal_game.cpp
    ${CMAKE_CURRENT_LIST_DIR}/synthetic_base.cpp
    ${CMAKE_CURRENT_LIST_DIR}/temp_base.cpp)
  target_link_libraries(torvel_game_support PUBLIC torvel_game torvel_results)
  # The reference game rereads the whole base for every lookup and scan.
  target_compile_options(torvel_game_support PRIVATE -O2)
endif()
