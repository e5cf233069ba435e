# Tests of the button's model, its stored form and its Qt host services, and
# the check that the button's layers include only the layers below them.
add_test(NAME button_layers
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                 -P ${PROJECT_SOURCE_DIR}/cmake/check_button_layers.cmake)

torvel_add_gtest(button_model_test
  SOURCES button_model_properties_test.cpp
          button_model_interaction_test.cpp
          button_model_stored_form_test.cpp
  LIBS torvel_button_form)

if(TORVEL_GUI)
  torvel_add_gtest(button_model_qt_test
    SOURCES button_model_qt_test.cpp button_model_qt_sound_test.cpp support/qt_application.cpp
    LIBS torvel_button_qt torvel_button_sound Qt6::Test)
  # The sound player's tests play through the sound module the program loads.
  target_compile_definitions(button_model_qt_test PRIVATE TORVEL_SOUND_MODULE="$<TARGET_FILE:torvel-sound>")
  add_dependencies(button_model_qt_test torvel-sound)
endif()

# Restoring runs the model and the host's property store as well as the form.
torvel_add_fuzzer(button_stored_form_fuzz button_model_stored_form_fuzz.cpp
                  "torvel_button_form;torvel_button_model;torvel_button_host"
                  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/button_stored_form)
