# What `cmake --install` puts where, and the packages that CPack makes of it
# (`make package` drives both): a Debian package from a Linux build, a zip
# from the MinGW-w64 cross build for Windows.  The version in the package
# names, the manual page's header and `--version` is project()'s, in
# CMakeLists.txt, and nowhere else.
include(GNUInstallDirs)
set(KORVELIN_FILE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/package_file.cmake)

# The manual page, with the version that the copy in the source tree leaves
# open.
set(KORVELIN_PAGE ${PROJECT_BINARY_DIR}/korvelin.1)
add_custom_command(
  OUTPUT ${KORVELIN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DMODE=manual -DIN=${PROJECT_SOURCE_DIR}/korvelin.1
          -DOUT=${KORVELIN_PAGE} -DVERSION=${PROJECT_VERSION} -P ${KORVELIN_FILE_SCRIPT}
  DEPENDS ${PROJECT_SOURCE_DIR}/korvelin.1 ${KORVELIN_FILE_SCRIPT}
  VERBATIM)
# The files that the build makes for installing (target korvelin_documents).
set(KORVELIN_DOCUMENTS ${KORVELIN_PAGE})

set(CPACK_PACKAGE_NAME korvelin)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "roster, rankings and training progress of a Scrapton gang")
# The long description, in lines that fit a terminal of 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "KORVELIN, the Scrapton Rankulatorium, is an interactive console program"
  "for the leader of a gang in the browser game Scrapton. It keeps the gang's"
  "roster with two snapshots of every member's stats, imports the stat tables"
  "copied out of the game, and works out totals, gains, percentage gains and"
  "weighted fighting stats."
  ""
  "It lists the roster sorted by any of 35 variables, with any choice of"
  "columns, on the screen or into a file (a fixed table, CSV, TSV, JSON,"
  "Markdown or an HTML page), picks the War Chamber team by a weighted stat,"
  "shows who trained between two weeks, and keeps the roster between weeks"
  "in a save file.")
# Nobody has published an address for the package yet: set KORVELIN_MAINTAINER
# to a real one before a package leaves the house.
set(KORVELIN_MAINTAINER "KORVELIN maintainers <maintainers@korvelin.invalid>"
    CACHE STRING "The Maintainer of the Debian package: a name and <address>")
set(CPACK_PACKAGE_CONTACT "${KORVELIN_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  # One folder to unzip anywhere: korvelin.exe (linked statically, see
  # CMakeLists.txt), the README with Windows line ends, the manual as a web
  # page and the example tables.
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/README.txt
    COMMAND ${CMAKE_COMMAND} -DMODE=crlf -DIN=${PROJECT_SOURCE_DIR}/README.md
            -DOUT=${PROJECT_BINARY_DIR}/README.txt -P ${KORVELIN_FILE_SCRIPT}
    DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${KORVELIN_FILE_SCRIPT}
    VERBATIM)
  list(APPEND KORVELIN_DOCUMENTS ${PROJECT_BINARY_DIR}/README.txt)
  # mandoc runs on the build machine only (Debian: mandoc).
  find_program(KORVELIN_MANDOC mandoc)
  if(KORVELIN_MANDOC)
    add_custom_command(
      OUTPUT ${PROJECT_BINARY_DIR}/korvelin.html
      COMMAND ${CMAKE_COMMAND} -DMODE=html -DTOOL=${KORVELIN_MANDOC} -DIN=${KORVELIN_PAGE}
              -DOUT=${PROJECT_BINARY_DIR}/korvelin.html -P ${KORVELIN_FILE_SCRIPT}
      DEPENDS ${KORVELIN_PAGE} ${KORVELIN_FILE_SCRIPT}
      VERBATIM)
    list(APPEND KORVELIN_DOCUMENTS ${PROJECT_BINARY_DIR}/korvelin.html)
  else()
    message(WARNING "mandoc not found: the manual is not rendered as korvelin.html "
                    "(Debian: mandoc)")
  endif()
  install(TARGETS korvelin RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
  if(KORVELIN_MANDOC)
    install(FILES ${PROJECT_BINARY_DIR}/korvelin.html DESTINATION .)
  endif()
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION examples)
  if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
  endif()

  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME
      korvelin-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})
else()
  # The program in bin/, its manual page in share/man/man1 and, in
  # share/doc/korvelin, the README, the example tables and what is known of
  # the copyright.  The page is compressed, as `man` and Debian expect,
  # where gzip is installed.
  find_program(KORVELIN_GZIP gzip)
  if(KORVELIN_GZIP)
    add_custom_command(
      OUTPUT ${KORVELIN_PAGE}.gz
      COMMAND ${CMAKE_COMMAND} -DMODE=gzip -DTOOL=${KORVELIN_GZIP} -DIN=${KORVELIN_PAGE}
              -DOUT=${KORVELIN_PAGE}.gz -P ${KORVELIN_FILE_SCRIPT}
      DEPENDS ${KORVELIN_PAGE} ${KORVELIN_FILE_SCRIPT}
      VERBATIM)
    list(APPEND KORVELIN_DOCUMENTS ${KORVELIN_PAGE}.gz)
    install(FILES ${KORVELIN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${KORVELIN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  install(TARGETS korvelin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

  # The Debian package adds a changelog (for this version, dated when the
  # build was configured, or at SOURCE_DATE_EPOCH) and the lintian overrides
  # that cmake/debian/lintian-overrides explains; `cmake --install` leaves
  # them out.
  if(KORVELIN_GZIP)
    string(TIMESTAMP KORVELIN_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in
                   ${PROJECT_BINARY_DIR}/changelog @ONLY)
    add_custom_command(
      OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
      COMMAND ${CMAKE_COMMAND} -DMODE=gzip -DTOOL=${KORVELIN_GZIP}
              -DIN=${PROJECT_BINARY_DIR}/changelog -DOUT=${PROJECT_BINARY_DIR}/changelog.gz
              -P ${KORVELIN_FILE_SCRIPT}
      DEPENDS ${PROJECT_BINARY_DIR}/changelog ${KORVELIN_FILE_SCRIPT}
      VERBATIM)
    list(APPEND KORVELIN_DOCUMENTS ${PROJECT_BINARY_DIR}/changelog.gz)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
            COMPONENT debian EXCLUDE_FROM_ALL)
  endif()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME korvelin
          COMPONENT debian EXCLUDE_FROM_ALL)

  set(CPACK_GENERATOR DEB)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL Unspecified debian)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  # Depends: from the libraries the program is linked with (dpkg-shlibdeps).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
endif()
add_custom_target(korvelin_documents ALL DEPENDS ${KORVELIN_DOCUMENTS})
include(CPack)
