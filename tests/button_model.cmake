# Tests of the button's model, and the check that the button's layers include
# only the layers below them.
add_test(NAME button_layers
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                 -P ${PROJECT_SOURCE_DIR}/cmake/check_button_layers.cmake)

# The properties are saved and restored through the stored forms' bags.
torvel_add_gtest(button_model_test
  SOURCES button_model_properties_test.cpp button_model_interaction_test.cpp
  LIBS torvel_button_form)
