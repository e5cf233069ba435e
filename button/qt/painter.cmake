# The Qt side of the painter: text through Qt's fonts, and the button
# gallery that renders every style and state to one picture.
add_library(torvel_button_qt STATIC
  ${CMAKE_CURRENT_LIST_DIR}/input_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_text_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_image.cpp)
target_link_libraries(torvel_button_qt PUBLIC torvel_button Qt6::Gui)

add_executable(button_gallery ${PROJECT_SOURCE_DIR}/tools/button_gallery.cpp)
target_link_libraries(button_gallery PRIVATE torvel_button_qt)
set_target_properties(button_gallery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tools)
