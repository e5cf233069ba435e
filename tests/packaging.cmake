# The launcher against a fake installed tree, and the Debian package.
add_test(NAME packaging_launcher
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/launcher_test.sh
                 ${TORVEL_LAUNCHER} ${CMAKE_INSTALL_BINDIR} ${TORVEL_PROGRAM_DIR} ${TORVEL_DATA_DIR})
set_tests_properties(packaging_launcher PROPERTIES LABELS packaging)
