# Tests of the stored forms of the windows' buttons, and their fuzzer.
torvel_add_gtest(button_form_test SOURCES button_form_test.cpp LIBS torvel_button_form)

# Restoring runs the model and the host's property store as well as the form.
torvel_add_fuzzer(button_stored_form_fuzz button_form_fuzz.cpp
                  "torvel_button_form;torvel_button_model;torvel_button_host"
                  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/button_stored_form)
