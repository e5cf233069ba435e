# The harness of bench/measure_process.sh: times a program's first window.
if(TORVEL_GUI)
  find_package(X11 REQUIRED)
  add_executable(first_window ${CMAKE_CURRENT_SOURCE_DIR}/first_window.cpp)
  target_link_libraries(first_window PRIVATE X11::X11)
  set_target_properties(first_window PROPERTIES AUTOMOC OFF)
endif()
