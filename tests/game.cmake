# Tests of the word game engine, its reference game and the word-base fuzzer.
include(${CMAKE_CURRENT_SOURCE_DIR}/support/game_support.cmake)

torvel_add_gtest(game_test
  SOURCES
    game_computer_test.cpp
    game_entry_test.cpp
    game_evaluation_test.cpp
    game_review_test.cpp
    game_side_files_test.cpp
    game_typing_test.cpp
    game_word_base_test.cpp
    support/temp_folder.cpp
  LIBS torvel_game_support)

# Thousands of games against the reference, which rereads the base for every
# lookup and scan: optimised even in debug builds, so the run takes seconds.
torvel_add_gtest(game_reference_test SOURCES game_reference_test.cpp support/temp_folder.cpp LIBS torvel_game_support)
target_compile_options(game_reference_test PRIVATE -O2)

torvel_add_fuzzer(word_base_fuzz game_word_base_fuzz.cpp torvel_game
                  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/word_base)
