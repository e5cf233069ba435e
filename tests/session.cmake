# The game's flow between the windows, driven headless through test screens.
include(${CMAKE_CURRENT_SOURCE_DIR}/support/game_support.cmake)

torvel_add_gtest(session_test SOURCES session_test.cpp support/temp_folder.cpp LIBS torvel_session torvel_game_support)
