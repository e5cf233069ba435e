# Tests of the button's Qt edge: its host services, text, images and input
# codes, and the VantorButton widget.
if(TORVEL_GUI)
  torvel_add_gtest(button_qt_test
    SOURCES
      support/qt_application.cpp
      button_qt_test.cpp
      button_qt_image_test.cpp
      button_qt_input_test.cpp
      button_qt_text_test.cpp
      button_qt_widget_test.cpp
      button_qt_widget_ratio_test.cpp
    LIBS torvel_button_qt Qt6::Test)
  # The sound player's tests play through the sound module the program loads.
  target_compile_definitions(button_qt_test PRIVATE TORVEL_SOUND_MODULE="$<TARGET_FILE:torvel-sound>")
  add_dependencies(button_qt_test torvel-sound)
endif()
