torvel_add_gtest(common_test SOURCES common_test.cpp LIBS torvel_common)
