# The player's history, its figures and the saved unfinished game.
torvel_add_gtest(player_files_test SOURCES player_files_test.cpp support/temp_folder.cpp LIBS torvel_player_files)
