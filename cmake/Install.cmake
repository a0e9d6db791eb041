# Installing the player like any Linux program, and its Debian package.
#
#   lib/adventure-player/run             the program, with the components it trusts beside it
#   lib/adventure-player/components/     Voxline.ocx (spoken dialogue), counter.ocx (the sample)
#   bin/run -> ../lib/adventure-player/run, bin/vbs
#   share/adventure-player/demo/         the demo game
#   share/applications, icons, metainfo, man/man1
#
# The program finds its components beside itself (through /proc/self/exe, so through the link
# in bin as well). Playing MIDI tunes needs a General MIDI sound font: the package depends on
# fluid-soundfont-gm.
include(GNUInstallDirs)
set(player_dir ${CMAKE_INSTALL_LIBDIR}/adventure-player)

install(TARGETS run RUNTIME DESTINATION ${player_dir})
install(TARGETS vbs RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS voxline_component counter_component LIBRARY DESTINATION ${player_dir}/components)
file(RELATIVE_PATH run_from_bin /${CMAKE_INSTALL_BINDIR} /${player_dir}/run)
install(CODE "
  set(link \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/run\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"${run_from_bin}\" \"\$ENV{DESTDIR}\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/demo/ DESTINATION ${CMAKE_INSTALL_DATADIR}/adventure-player/demo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/adventure-player.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/adventure-player.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/dist/org.adventure_player.Run.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/run.1 ${PROJECT_SOURCE_DIR}/dist/vbs.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# `make uninstall`: every file the last install wrote.
if(NOT TARGET uninstall)
  add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
            -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
    COMMENT "Removing the installed files")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME adventure-player)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Adventure Player team <team@adventure-player.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Player for point-and-click adventure games, with a game checker")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link are found by dpkg-shlibdeps; the sound font is data.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fluid-soundfont-gm, fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
