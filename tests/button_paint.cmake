# Pixel tests of the button painter.
torvel_add_gtest(button_paint_test
  SOURCES
    button_paint_colour_test.cpp
    button_paint_device_test.cpp
    button_paint_layout_test.cpp
    button_paint_painter_test.cpp
    button_paint_primitives_test.cpp
  LIBS torvel_button_paint)
