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
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
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
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the window system plugins of Qt, Qt's
# German translations, and the font with Arial's metrics that the captions are sized to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
