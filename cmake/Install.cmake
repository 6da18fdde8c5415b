# cmake --install: the program, its manual, and what a Linux desktop needs to offer it.
# CPack turns the same into a .deb whose dependencies dpkg-shlibdeps finds.
include(GNUInstallDirs)

install(TARGETS polyskop RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The manual viewer, which the program loads from there when the manual is asked for.
install(TARGETS polyskop_manual_viewer polyskop_discussion
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/polyskop)
# The program looks for the manual beside itself, then in ../share/polyskop.
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Polyskop.pdf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/polyskop)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.polyskop.polyskop.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/polyskop.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Debian's documentation directory is named after the package: its copyright (the licence's
# terms, GPL-3 itself is in /usr/share/common-licenses) and the changelog, compressed as the
# manual pages are.
set(POLYSKOP_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/polyskop)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${POLYSKOP_DOC_DIR})
find_program(GZIP gzip REQUIRED)
set(compressed ${CMAKE_BINARY_DIR}/compressed)
foreach(pair "changelog:changelog.gz" "polyskop.1:man/polyskop.1.gz" "polyskop.de.1:man-de/polyskop.1.gz")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 target)
  get_filename_component(dir ${compressed}/${target} DIRECTORY)
  add_custom_command(OUTPUT ${compressed}/${target}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/${source} > ${compressed}/${target}
                     DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source} VERBATIM)
  list(APPEND compressed_files ${compressed}/${target})
endforeach()
add_custom_target(polyskop_compressed_docs ALL DEPENDS ${compressed_files})
install(FILES ${compressed}/changelog.gz DESTINATION ${POLYSKOP_DOC_DIR})
install(FILES ${compressed}/man/polyskop.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed}/man-de/polyskop.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.polyskop.polyskop.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME polyskop)
set(CPACK_PACKAGE_VENDOR "Polyskop-Team")
set(CPACK_PACKAGE_CONTACT "Polyskop-Team")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_PACKAGE_LICENSE "GPL-3.0-or-later")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Curve analysis of polynomials up to degree 4")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Polyskop finds the zeros, extreme points, inflection points and y-intercept
of y = A*x^4 + B*x^3 + C*x^2 + D*x + E to four decimals and draws the curves
of the function and its derivatives. German user interface.")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the program and its own two libraries link, found by dpkg-shlibdeps when cpack
# runs (cmake/DebDepends.cmake). CPack's own search would do the same but also add ldconfig calls
# to the maintainer scripts, for the private libraries in /usr/lib/polyskop that nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/deb_elf_files.txt
     CONTENT "$<TARGET_FILE:polyskop>;$<TARGET_FILE:polyskop_manual_viewer>;$<TARGET_FILE:polyskop_discussion>")
set(CPACK_POLYSKOP_ELF_FILES_LIST ${CMAKE_BINARY_DIR}/deb_elf_files.txt)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/DebDepends.cmake)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the window system plugins of Qt, Qt's
# German translations, and the font with Arial's metrics that the captions are sized to.
set(CPACK_POLYSKOP_RUNTIME_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
