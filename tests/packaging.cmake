# The launcher against a fake installed tree, and the Debian package.
add_test(NAME packaging_launcher
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/launcher_test.sh
                 ${TORVEL_LAUNCHER} ${TORVEL_LAUNCHER_DIR} ${TORVEL_PROGRAM_DIR} ${TORVEL_DATA_DIR})
set_tests_properties(packaging_launcher PROPERTIES LABELS packaging)

# A package of a sanitizer build is of no use to anyone.
if(NOT TORVEL_SANITIZE)
  if(TARGET torvel-game)
    set(with_program ON)
  else()
    set(with_program OFF)
  endif()
  add_test(NAME packaging_deb
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/package_test.sh
                   ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} ${PROJECT_VERSION}
                   ${TORVEL_LAUNCHER_DIR} ${TORVEL_PROGRAM_DIR} ${TORVEL_DATA_DIR}
                   ${with_program} ${TORVEL_APP_ID})
  set_tests_properties(packaging_deb PROPERTIES LABELS packaging TIMEOUT 120)
endif()

# The game in real windows under its own X server, played as a player would;
# it leaves the screenshot of the main window for the package in the build tree.
if(TARGET torvel-game)
  add_test(NAME e2e_window_game
           COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR}
                   ${CMAKE_CURRENT_BINARY_DIR}/screenshots/main-window.png)
  set_tests_properties(e2e_window_game PROPERTIES LABELS e2e TIMEOUT 180)
  # A killed game offered back, the history it goes into, and its chart;
  # leaves the screenshot of the history's window for the package.
  add_test(NAME e2e_history
           COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/history_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR}
                   ${CMAKE_CURRENT_BINARY_DIR}/screenshots/history-window.png)
  set_tests_properties(e2e_history PROPERTIES LABELS e2e TIMEOUT 180)
  add_test(NAME e2e_window_ratio
           COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/ratio_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_window_ratio PROPERTIES LABELS e2e TIMEOUT 180)
  add_test(NAME e2e_window_manager
           COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window_manager_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_window_manager PROPERTIES LABELS e2e TIMEOUT 180)
  add_test(NAME e2e_word_lookup
           COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/lookup_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_word_lookup PROPERTIES LABELS e2e TIMEOUT 180)
  add_test(NAME e2e_screen_reader
           COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/access_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_screen_reader PROPERTIES LABELS e2e TIMEOUT 180)

  # The buttons' sounds, recorded from a private sound server's null sink.
  add_test(NAME audio_button_sounds
           COMMAND timeout -k 5 100 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/audio_e2e.sh
                   $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR})
  set_tests_properties(audio_button_sounds PROPERTIES LABELS audio TIMEOUT 120)

  # A seeded stream of random clicks and keys on every window of the game,
  # run where the sanitizers watch it.
  if(TORVEL_SANITIZE)
    add_test(NAME soak_random_input
             COMMAND timeout -k 5 150 bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/soak_e2e.sh
                     $<TARGET_FILE:torvel-game> ${PROJECT_SOURCE_DIR})
    set_tests_properties(soak_random_input PROPERTIES LABELS soak TIMEOUT 170)
  endif()
endif()

find_program(SHELLCHECK shellcheck)
if(SHELLCHECK)
  add_test(NAME packaging_shellcheck
           COMMAND ${SHELLCHECK} -x packaging/torvel.sh.in
                   tests/packaging/launcher_test.sh tests/packaging/package_test.sh tests/packaging/package_standards.sh
                   tests/packaging/fake_game.sh tests/e2e/x_session.sh tests/e2e/window_e2e.sh
                   tests/e2e/ratio_e2e.sh tests/e2e/window_manager_e2e.sh tests/e2e/sound_session.sh tests/e2e/audio_e2e.sh
                   tests/e2e/soak_e2e.sh tests/e2e/lookup_session.sh tests/e2e/lookup_e2e.sh tests/e2e/history_e2e.sh
                   tests/e2e/access_e2e.sh
                   bench/real_windows.sh bench/measure_process.sh bench/measure_sound_delay.sh bench/measure_lookup.sh
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(packaging_shellcheck PROPERTIES LABELS packaging)
endif()
