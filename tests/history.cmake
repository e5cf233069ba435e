# The player's history, its figures and the saved unfinished game.
torvel_add_gtest(history_test SOURCES history_test.cpp results_test_files.cpp LIBS torvel_history)
