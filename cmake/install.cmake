# Installation and the Debian package. The program goes into a private folder,
# the data files into share/torvel (the launcher copies them into each player's
# own folder), and the launcher bin/torvel ties the two together at run time.
include(GNUInstallDirs)

set(TORVEL_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/torvel)
set(TORVEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/torvel)
set(TORVEL_ICON_SIZES 16 32 48 64 128 256)

if(TARGET torvel-game)
  install(TARGETS torvel-game RUNTIME DESTINATION ${TORVEL_PROGRAM_DIR})
endif()

set(TORVEL_ASSETS ${PROJECT_SOURCE_DIR}/assets)
install(FILES ${TORVEL_ASSETS}/wmbase.txt ${TORVEL_ASSETS}/results.tvl ${TORVEL_ASSETS}/fontvl.gif
        DESTINATION ${TORVEL_DATA_DIR})
install(FILES ${TORVEL_ASSETS}/resources/over.wav ${TORVEL_ASSETS}/resources/click.wav
        DESTINATION ${TORVEL_DATA_DIR}/resources)

# The launcher finds the program and the data relative to itself, so the
# installed tree can be moved (a different prefix, a package root).
file(RELATIVE_PATH TORVEL_LAUNCHER_TO_PROGRAM
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/torvel/torvel-game)
file(RELATIVE_PATH TORVEL_LAUNCHER_TO_DATA
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/torvel)
set(TORVEL_LAUNCHER ${PROJECT_BINARY_DIR}/packaging/torvel)
configure_file(${PROJECT_SOURCE_DIR}/packaging/torvel.sh.in ${TORVEL_LAUNCHER} @ONLY)
install(PROGRAMS ${TORVEL_LAUNCHER} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/torvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS TORVEL_ICON_SIZES)
  install(FILES ${TORVEL_ASSETS}/images/torvel_icon_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME torvel.png)
endforeach()

# The manual page goes out compressed, as man-db and Debian expect.
set(TORVEL_MAN_PAGE ${PROJECT_BINARY_DIR}/packaging/torvel.6)
add_custom_command(OUTPUT ${TORVEL_MAN_PAGE}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/torvel.6 ${TORVEL_MAN_PAGE}
                   COMMAND gzip -9nf ${TORVEL_MAN_PAGE}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/torvel.6
                   VERBATIM)
add_custom_target(torvel_man_page ALL DEPENDS ${TORVEL_MAN_PAGE}.gz)
install(FILES ${TORVEL_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
