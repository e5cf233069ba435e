# The harness of bench/measure_process.sh: times a program's first window, and
# the minimal Qt Widgets program the game's start-up is compared with.
if(TORVEL_GUI)
  find_package(X11 REQUIRED)
  add_executable(first_window ${CMAKE_CURRENT_SOURCE_DIR}/first_window.cpp)
  target_link_libraries(first_window PRIVATE X11::X11)
  set_target_properties(first_window PROPERTIES AUTOMOC OFF)

  add_executable(minimal_window ${CMAKE_CURRENT_SOURCE_DIR}/minimal_window.cpp)
  target_link_libraries(minimal_window PRIVATE Qt6::Widgets)
endif()
