# Installation and the Debian package: where each program and its data go under the
# prefix (`cmake --install`), and how CPack makes talvane_<version>_<arch>.deb of them
# (scripts/package.sh). Loaded by the top-level CMakeLists.txt after every folder, so
# the program targets exist here.
include(GNUInstallDirs)

# The programs a user starts, each with its manual page docs/man/<name>.1. A program
# joins the package by its name here. Without Qt only list-ports is built.
set(TPC_INSTALLED_PROGRAMS list-ports)
if(TPC_WITH_QT)
  list(APPEND TPC_INSTALLED_PROGRAMS talvane vprinter talvane-cli)
endif()

set(TPC_PACKAGE_NAME talvane)
set(TPC_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TPC_PACKAGE_NAME})
set(TPC_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(TPC_RESOURCES ${PROJECT_SOURCE_DIR}/console/resources)

# Manual pages and the changelog are installed compressed, as Debian wants them:
# gzip -9 without a name or time stamp, so the package does not change from one
# build to the next.
find_program(TPC_GZIP gzip REQUIRED)
function(tpc_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${TPC_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

set(TPC_PACKAGED_DOCS)
foreach(program IN LISTS TPC_INSTALLED_PROGRAMS)
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(page ${PROJECT_SOURCE_DIR}/docs/man/${program}.1)
  if(NOT EXISTS ${page})
    message(FATAL_ERROR "${program} is installed but has no manual page ${page}")
  endif()
  tpc_gzip(${page} ${TPC_PACKAGING_DIR}/man/${program}.1.gz)
  list(APPEND TPC_PACKAGED_DOCS ${TPC_PACKAGING_DIR}/man/${program}.1.gz)
  install(FILES ${TPC_PACKAGING_DIR}/man/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The package's changelog says what CHANGELOG.md says for this version.
include(${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake)
tpc_debian_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_VERSION}
                     TPC_CHANGELOG_ENTRIES TPC_CHANGELOG_DATE)
configure_file(${PROJECT_SOURCE_DIR}/docs/debian/changelog.in ${TPC_PACKAGING_DIR}/changelog @ONLY)
tpc_gzip(${TPC_PACKAGING_DIR}/changelog ${TPC_PACKAGING_DIR}/changelog.gz)
list(APPEND TPC_PACKAGED_DOCS ${TPC_PACKAGING_DIR}/changelog.gz)
add_custom_target(talvane_packaged_docs ALL DEPENDS ${TPC_PACKAGED_DOCS})

install(FILES ${TPC_PACKAGING_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/docs/debian/copyright
  DESTINATION ${TPC_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${TPC_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/emulator/README.md DESTINATION ${TPC_DOC_DIR} RENAME vprinter.md)

# The console in the desktop's menu, with its icon at the usual sizes.
if(TPC_WITH_QT)
  install(FILES ${TPC_RESOURCES}/talvane.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(DIRECTORY ${TPC_RESOURCES}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
  # Draws those icons from the console's logo: run it once after the logo changes,
  #   cmake --build build/release --target talvane_render_icons
  # and commit the pictures it writes.
  add_executable(talvane_icon_renderer EXCLUDE_FROM_ALL ${TPC_RESOURCES}/RenderIcons.cpp)
  target_link_libraries(talvane_icon_renderer PRIVATE widgets Qt6::Gui)
  add_custom_target(talvane_render_icons
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:talvane_icon_renderer> ${TPC_RESOURCES}/icons/hicolor
    DEPENDS talvane_icon_renderer VERBATIM)
endif()

# The package. Programs are stripped of their debugging information; the libraries
# they need become the dependencies (dpkg-shlibdeps reads the programs). The
# console's Chinese texts need a CJK font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TPC_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Talvane")
set(CPACK_PACKAGE_CONTACT "Talvane maintainers <maintainers@users.noreply.c-seed-07543e85.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test console for thermal receipt and label printers")
set(TPC_PACKAGE_TOOLS
"The package also holds vprinter, a virtual receipt printer on a
pseudo-terminal that writes what it would have printed as PNG pictures, and
list-ports, which lists the serial ports as the console shows them.")
string(APPEND TPC_PACKAGE_TOOLS "
talvane-cli drives a printer from scripts with the console's own commands.")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"A desktop test console for small thermal receipt and label printers on a
serial port. It puts every printer feature one click away: settings, quick
test printouts, barcodes, PDF417, QR and DataMatrix codes, labels and black
marks, pictures and printer status. Every byte that goes out is shown and
decoded in a list of operation records that can be saved and sent again.

${TPC_PACKAGE_TOOLS}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
