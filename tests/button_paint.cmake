# Pixel tests of the button painter, and of its Qt text and widget.
torvel_add_gtest(button_paint_test
  SOURCES
    button_paint_colour_test.cpp
    button_paint_device_test.cpp
    button_paint_layout_test.cpp
    button_paint_painter_test.cpp
    button_paint_primitives_test.cpp
  LIBS torvel_button_paint)

if(TORVEL_GUI)
  torvel_add_gtest(button_paint_qt_test
    SOURCES
      support/qt_application.cpp
      button_paint_qt_image_test.cpp
      button_paint_qt_input_test.cpp
      button_paint_qt_text_test.cpp
      button_paint_widget_test.cpp
      button_paint_widget_ratio_test.cpp
    LIBS torvel_button_qt Qt6::Test)
endif()
