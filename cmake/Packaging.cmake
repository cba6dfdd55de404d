# Installing and packaging. `cmake --install build` lays out a system-wide copy
# under the prefix; `cpack -G DEB` in the build folder (or the `package`
# target) wraps the same layout, under /usr, into a Debian package.
include(GNUInstallDirs)

# An installed program finds its data in ../share/nomilo beside its own folder
# (data/DataFiles.cpp), so bin and share must stay siblings under the prefix.
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR CMAKE_INSTALL_BINDIR MATCHES "/"
   OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(FATAL_ERROR "The program reads its data from <prefix>/share/nomilo, found as ../share beside "
                      "<prefix>/<bindir>: keep CMAKE_INSTALL_BINDIR one folder deep and CMAKE_INSTALL_DATADIR 'share'")
endif()

# Folders made by the install are 0755 whatever the umask; files are 0644 and
# the program 0755 by install()'s own defaults.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS nomilo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The player database and the starting high-score table, both only ever read:
# each user's own table lives in their data folder ($XDG_DATA_HOME/nomilo).
install(FILES ${PROJECT_SOURCE_DIR}/database/data.txt ${PROJECT_SOURCE_DIR}/database/hscores.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/nomilo)

if(UNIX AND NOT APPLE)
  # The desktop entry and the AppStream metadata are named after the
  # application's reverse-DNS id, and the metadata points at the entry.
  set(NOMILO_APP_ID org.nomilo.Nomilo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${NOMILO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${NOMILO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}x${size}/nomilo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()

  # Debian's documentation pair: the licence in machine-readable form and the
  # changelog, compressed without a name or time stamp so every build of it is
  # byte-identical.
  set(NOMILO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/nomilo)
  find_program(NOMILO_GZIP gzip REQUIRED)
  set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
  add_custom_command(
    OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/resources/changelog ${changelog}
    COMMAND ${NOMILO_GZIP} -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/changelog
    COMMENT "Compressing the package's changelog"
    VERBATIM)
  add_custom_target(nomilo_changelog ALL DEPENDS ${changelog}.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/copyright ${changelog}.gz DESTINATION ${NOMILO_DOC_DIR})

  # Only the package carries lintian's note on the program's folder: a
  # component outside a plain `cmake --install`, added to the package below.
  if(NOT CMAKE_INSTALL_BINDIR STREQUAL "games")
    install(FILES ${PROJECT_SOURCE_DIR}/resources/nomilo.lintian-overrides RENAME nomilo
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
  endif()
endif()

set(CPACK_PACKAGE_NAME nomilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Nomilo developers")
set(CPACK_PACKAGE_CONTACT "The Nomilo developers <maintainers@users.noreply.c-seed-23700446.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guess football players' names letter by letter")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# One package holding the plain install and the Debian-only extras.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Libraries come from the binary; the Arial and Courier New of the window
# are drawn with their metric twins, Liberation Sans and Mono (through
# fontconfig's aliases). Qt's xcb platform and ICO image plugins, which no
# linker sees, ship inside libqt6gui6 on Debian 12, which the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Nomilo is a small desktop game. Each level shows a random football\n"
    "player's name as a row of dots, with the player's country, and the\n"
    "player guesses it one letter at a time against the clock.\n"
    "\n"
    "Every letter found scores a point and every miss costs a life. A\n"
    "finished name earns extra points and lives, and each level gives less\n"
    "time than the last. Each user keeps a table of the five best scores.")
include(CPack)
