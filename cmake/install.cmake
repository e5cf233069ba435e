# Installation and the Debian package. The program goes into a private folder,
# the data files into share/torvel (the launcher copies them into each player's
# own folder), and the launcher games/torvel ties the two together at run time.
include(GNUInstallDirs)

# Debian keeps the commands of games in /usr/games. Its own variable rather
# than CMAKE_INSTALL_BINDIR, whose "bin" older build folders already hold.
set(TORVEL_LAUNCHER_DIR games CACHE STRING "Folder of the launcher torvel, relative to the prefix")
# The name of the game for desktops and software centres: the desktop entry is
# installed under it and the AppStream description gives it as its id.
set(TORVEL_APP_ID org.example.torvel)
set(TORVEL_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/torvel)
set(TORVEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/torvel)
set(TORVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/torvel)
set(TORVEL_ICON_SIZES 16 32 48 64 128 256)
set(TORVEL_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

if(TARGET torvel-game)
  # The program and, beside it, the sound module it loads.
  install(TARGETS torvel-game RUNTIME DESTINATION ${TORVEL_PROGRAM_DIR})
  install(TARGETS torvel-sound LIBRARY DESTINATION ${TORVEL_PROGRAM_DIR})
  # CMake's stripping keeps the compiler's notes; Debian's tools drop them too.
  foreach(target torvel-game torvel-sound)
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TORVEL_PROGRAM_DIR}/$<TARGET_FILE_NAME:${target}>\"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endforeach()
endif()

set(TORVEL_ASSETS ${PROJECT_SOURCE_DIR}/assets)
install(FILES ${TORVEL_ASSETS}/wmbase.txt ${TORVEL_ASSETS}/results.tvl ${TORVEL_ASSETS}/fontvl.gif
        DESTINATION ${TORVEL_DATA_DIR})
# Beside the base, what its generator says of its words: the spellings with ё
# and the glosses. The game does without either, as with a player's own base.
install(FILES ${TORVEL_ASSETS}/wmyo.txt ${TORVEL_ASSETS}/wmgloss.txt DESTINATION ${TORVEL_DATA_DIR})
install(FILES ${TORVEL_ASSETS}/resources/over.wav ${TORVEL_ASSETS}/resources/click.wav
        DESTINATION ${TORVEL_DATA_DIR}/resources)
# For software centres and the curious; the launcher leaves it out of the
# player's folder.
install(FILES ${TORVEL_PACKAGING}/screenshots/main-window.png ${TORVEL_PACKAGING}/screenshots/history-window.png
        DESTINATION ${TORVEL_DATA_DIR}/screenshots)

# The launcher finds the program and the data relative to itself, so the
# installed tree can be moved (a different prefix, a package root).
cmake_path(ABSOLUTE_PATH TORVEL_LAUNCHER_DIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE launcher_dir)
file(RELATIVE_PATH TORVEL_LAUNCHER_TO_PROGRAM
     ${launcher_dir} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/torvel/torvel-game)
file(RELATIVE_PATH TORVEL_LAUNCHER_TO_DATA
     ${launcher_dir} ${CMAKE_INSTALL_FULL_DATADIR}/torvel)
set(TORVEL_LAUNCHER ${PROJECT_BINARY_DIR}/packaging/torvel)
configure_file(${TORVEL_PACKAGING}/torvel.sh.in ${TORVEL_LAUNCHER} @ONLY)
install(PROGRAMS ${TORVEL_LAUNCHER} DESTINATION ${TORVEL_LAUNCHER_DIR})

install(FILES ${TORVEL_PACKAGING}/torvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${TORVEL_APP_ID}.desktop)
install(FILES ${TORVEL_PACKAGING}/torvel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS TORVEL_ICON_SIZES)
  install(FILES ${TORVEL_ASSETS}/images/torvel_icon_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME torvel.png)
endforeach()

# torvel_install_compressed(SOURCE DESTINATION): installs a text compressed as
# man-db and Debian expect it, reproducibly (no name or time stamp in the gzip
# header).
function(torvel_install_compressed source destination)
  cmake_path(GET source FILENAME name)
  set(copy ${PROJECT_BINARY_DIR}/packaging/compressed/${destination}/${name})
  add_custom_command(OUTPUT ${copy}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
                     COMMAND gzip -9nf ${copy}
                     DEPENDS ${source}
                     VERBATIM)
  string(MAKE_C_IDENTIFIER "${destination}/${name}" target)
  add_custom_target(torvel_${target} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

torvel_install_compressed(${TORVEL_PACKAGING}/torvel.6 ${CMAKE_INSTALL_MANDIR}/man6)
torvel_install_compressed(${TORVEL_PACKAGING}/changelog ${TORVEL_DOC_DIR})
install(FILES ${TORVEL_PACKAGING}/copyright DESTINATION ${TORVEL_DOC_DIR})
install(FILES ${TORVEL_PACKAGING}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME torvel)

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
