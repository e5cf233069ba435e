# Qt implementations of the button's host services: surface, timer, pointer,
# sound, addresses, events, and the picture loader of the stored forms.
add_library(torvel_button_host STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_address_opener.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_ambient_properties.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_button_events.h
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_button_host.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_button_surface.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_change_report.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_event_loop.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_font_conversion.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_himetric_converter.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_image_conversion.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_interval_timer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_picture_loader.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_pointer_device.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_redraw_requests.h
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_sound_output.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_sound_player.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/qt_system_colour.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/wave_file_check.cpp)
target_link_libraries(torvel_button_host PUBLIC torvel_button Qt6::Widgets Qt6::Multimedia)
