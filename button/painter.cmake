# The painter: pixel surface and primitives, colours, layout, pictures, skin.
target_sources(torvel_button PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bevels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/block_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colour_arithmetic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_pixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mono_bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xp_skin.cpp)
