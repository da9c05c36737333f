# The Debian packages that `cpack -G DEB` makes from a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr:
#   quadrivo      the programs with their menu entries, icons, file types,
#                 metadata and manual pages (component "quadrivo", where every
#                 install rule without a component of its own goes)
#   quadrivo-dev  the library, its headers and its CMake package
#                 (component "dev")
# Each program's files are installed only with the program, so that a build
# without Qt still installs and packages what it has. The programs' own
# install rules sit beside them.

# The programs answer --version with the project's version.
foreach(program IN ITEMS tsttool tsttool_test quadrivo-editor)
  if(TARGET ${program})
    target_compile_definitions(${program} PRIVATE QV_VERSION="${PROJECT_VERSION}")
  endif()
endforeach()

# The test runner, where runner/ builds it: the executable there whose
# program is called quadrivo (the library's target has that name already).
set(QV_RUNNER_FOUND OFF)
get_property(QV_SUBDIRECTORIES DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
if(${PROJECT_SOURCE_DIR}/runner IN_LIST QV_SUBDIRECTORIES)
  get_property(QV_RUNNER_TARGETS DIRECTORY ${PROJECT_SOURCE_DIR}/runner PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS QV_RUNNER_TARGETS)
    get_target_property(type ${target} TYPE)
    get_target_property(output ${target} OUTPUT_NAME)
    if(type STREQUAL "EXECUTABLE" AND (target STREQUAL "quadrivo" OR output STREQUAL "quadrivo"))
      set(QV_RUNNER_FOUND ON)
    endif()
  endforeach()
endif()

set(QV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QV_EDITOR_ID org.example.quadrivo.Editor)
set(QV_RUNNER_ID org.example.quadrivo.Runner)

# Manual pages go compressed, as Debian wants them; gzip -n leaves the
# file's name and time out, so that two builds give the same bytes.
set(QV_MAN_PAGES)
if(TARGET tsttool)
  list(APPEND QV_MAN_PAGES tsttool)
endif()
if(TARGET quadrivo-editor)
  list(APPEND QV_MAN_PAGES quadrivo-editor)
endif()
if(QV_RUNNER_FOUND)
  list(APPEND QV_MAN_PAGES quadrivo)
endif()
find_program(QV_GZIP gzip)
if(UNIX AND QV_GZIP)
  set(QV_COMPRESSED_PAGES)
  foreach(page IN LISTS QV_MAN_PAGES)
    set(compressed ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${QV_GZIP} -9 -n -c ${QV_PACKAGING_DIR}/man/${page}.1 > ${compressed}
      DEPENDS ${QV_PACKAGING_DIR}/man/${page}.1
      VERBATIM)
    list(APPEND QV_COMPRESSED_PAGES ${compressed})
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${QV_COMPRESSED_PAGES})
  install(FILES ${QV_COMPRESSED_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT quadrivo)
endif()

# Menu entries, icons and file types are the free desktops' (XDG) own.
if(UNIX AND NOT APPLE)
  set(QV_DATADIR ${CMAKE_INSTALL_DATADIR})
  install(FILES ${QV_PACKAGING_DIR}/quadrivo-mime.xml RENAME quadrivo.xml
    DESTINATION ${QV_DATADIR}/mime/packages COMPONENT quadrivo)
  if(TARGET quadrivo-editor)
    install(FILES ${QV_PACKAGING_DIR}/${QV_EDITOR_ID}.desktop
      DESTINATION ${QV_DATADIR}/applications COMPONENT quadrivo)
    install(FILES ${QV_PACKAGING_DIR}/${QV_EDITOR_ID}.metainfo.xml
      DESTINATION ${QV_DATADIR}/metainfo COMPONENT quadrivo)
    install(FILES ${QV_PACKAGING_DIR}/icons/quadrivo-editor.svg
      DESTINATION ${QV_DATADIR}/icons/hicolor/scalable/apps COMPONENT quadrivo)
  endif()
  if(QV_RUNNER_FOUND)
    install(FILES ${QV_PACKAGING_DIR}/${QV_RUNNER_ID}.desktop
      DESTINATION ${QV_DATADIR}/applications COMPONENT quadrivo)
    install(FILES ${QV_PACKAGING_DIR}/icons/quadrivo.svg
      DESTINATION ${QV_DATADIR}/icons/hicolor/scalable/apps COMPONENT quadrivo)
  endif()
endif()

set(CPACK_PACKAGE_NAME quadrivo)
set(CPACK_PACKAGE_VENDOR "Visual Quadrivo maintainers")
set(QV_PACKAGE_CONTACT "Visual Quadrivo maintainers <maintainers@quadrivo.example>"
  CACHE STRING "Maintainer of the Debian packages, as \"Name <address>\"")
set(CPACK_PACKAGE_CONTACT "${QV_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quadrivo.example/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL quadrivo dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link, Qt's among them, named by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_QUADRIVO_PACKAGE_NAME quadrivo)
set(CPACK_DEBIAN_QUADRIVO_PACKAGE_SECTION education)
# The first line of a description is the package's synopsis.
set(CPACK_COMPONENT_QUADRIVO_DESCRIPTION "editor of questionnaires for students
Visual Quadrivo Editor writes the questionnaires (.tst files) that teachers
give their students, with questions of several kinds, scores and times, and
shows the statistics of the class from the students' result files (.stu).
Its windows are in Italian.

The package also holds tsttool, which checks, converts and shows
questionnaires from the command line.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME quadrivo-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION "library of Visual Quadrivo questionnaires - development files
The static library that loads and saves the questionnaires (.tst files) and
the students' result files (.stu) of Visual Quadrivo, and the one that
reads and writes their questions in the files of learning platforms (GIFT,
Moodle XML, Aiken), with their headers and a CMake package:
find_package(Quadrivo) and link Quadrivo::quadrivo and
Quadrivo::interchange.")
# The package's CMake file looks for pugixml when the library was built
# with it.
if(QV_INTERCHANGE_NEEDS_PUGIXML)
  set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libpugixml-dev")
endif()

# Every Debian package carries its copyright and its change log.
foreach(package IN ITEMS quadrivo quadrivo-dev)
  set(component quadrivo)
  if(package STREQUAL "quadrivo-dev")
    set(component dev)
  endif()
  set(QV_DEB_PACKAGE ${package})
  configure_file(${QV_PACKAGING_DIR}/changelog.in ${CMAKE_BINARY_DIR}/doc/${package}/changelog.Debian @ONLY)
  if(UNIX AND QV_GZIP)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/${package}/changelog.Debian.gz
      COMMAND ${QV_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/doc/${package}/changelog.Debian
      DEPENDS ${CMAKE_BINARY_DIR}/doc/${package}/changelog.Debian
      VERBATIM)
    add_custom_target(changelog_${component} ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/${package}/changelog.Debian.gz)
    install(FILES ${CMAKE_BINARY_DIR}/doc/${package}/changelog.Debian.gz
      DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
  endif()
  install(FILES ${QV_PACKAGING_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

include(CPack)
