# Tests of the button's model, its stored form and its Qt host services.
torvel_add_gtest(button_model_test
  SOURCES button_model_properties_test.cpp
          button_model_interaction_test.cpp
          button_model_stored_form_test.cpp
  LIBS torvel_button)

if(TORVEL_GUI)
  torvel_add_gtest(button_model_qt_test
    SOURCES button_model_qt_test.cpp button_model_qt_sound_test.cpp support/qt_application.cpp
    LIBS torvel_button_host Qt6::Test)
endif()

torvel_add_fuzzer(button_stored_form_fuzz button_model_stored_form_fuzz.cpp torvel_button
                  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/button_stored_form)
