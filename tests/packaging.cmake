# The launcher against a fake installed tree, and the Debian package.
add_test(NAME packaging_launcher
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/launcher_test.sh
                 ${TORVEL_LAUNCHER} ${CMAKE_INSTALL_BINDIR} ${TORVEL_PROGRAM_DIR} ${TORVEL_DATA_DIR})
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
                   ${CMAKE_INSTALL_BINDIR} ${TORVEL_PROGRAM_DIR} ${TORVEL_DATA_DIR}
                   ${with_program} ${TORVEL_HAVE_WORD_BASE})
  set_tests_properties(packaging_deb PROPERTIES LABELS packaging TIMEOUT 120)
endif()
