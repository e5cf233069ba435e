# The button's model: properties, persistence, interaction, and the stored
# form of the windows' buttons. Plain C++; the host services are interfaces.
target_sources(torvel_button PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/host/property_errors.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/host/property_store.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/model/access_key.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/model/button_font.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/model/utf8.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/model/vantor_button_model.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/form_restore.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/form_text.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/property_bag.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/stored_form.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/stored_form_error.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/stored_form_parser.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form/stored_form_writer.cpp)
