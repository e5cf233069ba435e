# Tests of the buttons' sounds: which wave files play, and what goes to the
# sound server.
if(TORVEL_GUI)
  torvel_add_gtest(button_sound_test SOURCES button_sound_test.cpp LIBS torvel_button_sound)
endif()
