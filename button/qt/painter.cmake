# The Qt side of the painter and the widget: text through Qt's fonts, the
# surface and shape in Qt's terms, input codes, the VantorButton widget, and
# the button gallery that renders every style and state to one picture.
add_library(torvel_button_qt STATIC
  ${CMAKE_CURRENT_LIST_DIR}/input_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_text_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vantor_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widget_parent_background.cpp)
target_link_libraries(torvel_button_qt PUBLIC torvel_button torvel_button_host Qt6::Gui Qt6::Widgets)

add_executable(button_gallery ${PROJECT_SOURCE_DIR}/tools/button_gallery.cpp)
target_link_libraries(button_gallery PRIVATE torvel_button_qt)
set_target_properties(button_gallery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tools)
