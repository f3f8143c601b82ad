# The Debian package: `cpack -G DEB` in the build folder (after a build)
# gives lumocad_<version>_<arch>.deb.
#
#   /usr/lib/lumocad/      LumoCAD, lumo, lumo-draw and the system folder's
#                          data beside them (LumoCAD.lib, .dly, .cmd, Parts/,
#                          help/), and sample/ for a user's first start
#   /usr/bin/lumocad, lumo links to the programs
#   /usr/share/applications, mime/packages, icons: the menu entry
#                          (Education), the .ldr type and the icon
#
# The programs find their system folder beside themselves (the links are
# followed), and the first start makes ~/LumoCAD from sample/.

set(lumo_lib lib/lumocad)
install(TARGETS LumoCAD lumo lumo-draw RUNTIME DESTINATION ${lumo_lib})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sys/ DESTINATION ${lumo_lib}
        PATTERN README.md EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample/ DESTINATION ${lumo_lib}/sample)

set(lumo_links ${CMAKE_BINARY_DIR}/package-links)
file(MAKE_DIRECTORY ${lumo_links})
file(CREATE_LINK ../lib/lumocad/LumoCAD ${lumo_links}/lumocad SYMBOLIC)
file(CREATE_LINK ../lib/lumocad/lumo ${lumo_links}/lumo SYMBOLIC)
install(FILES ${lumo_links}/lumocad ${lumo_links}/lumo DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/lumocad.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lumocad-mime.xml DESTINATION share/mime/packages
        RENAME lumocad.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lumocad.svg
        DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME lumocad)
set(CPACK_PACKAGE_VERSION 2.0.0)
set(CPACK_PACKAGE_CONTACT "LumoCAD maintainers <lumocad@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching CAD for digital logic design (Japanese)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "LumoCAD: draw logic circuits as schematics, draw input waveforms and\n"
       "simulate them, with hierarchical circuits and symbols of their own.\n"
       "The user interface is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
