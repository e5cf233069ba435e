# The windows, played through their widgets with Qt Test's mouse and keys.
if(TARGET torvel_windows)
  torvel_add_gtest(windows_test
    SOURCES
      support/qt_application.cpp
      windows_test_support.cpp
      windows_accessibility_test.cpp
      windows_background_test.cpp
      windows_chart_test.cpp
      windows_drag_test.cpp
      windows_game_test.cpp
      windows_layout_test.cpp
      windows_lifetime_test.cpp
      windows_paste_test.cpp
      windows_records_test.cpp
      windows_review_test.cpp
      windows_screen_ratio_test.cpp
      windows_typing_test.cpp
    LIBS torvel_windows Qt6::Test)
endif()
