# Installation: the build tree's image under PREFIX/lib/tessera (the
# program, bin/ with the tools and the dialogs, Language/ when built, the
# help and message files), PREFIX/bin/tessera linked to the program, and a
# desktop entry with its icon under PREFIX/share. `cpack -G DEB` in the build
# tree packs the same for Debian.
install(TARGETS Tessera RUNTIME DESTINATION lib/tessera)
# The window front end, loaded by the program when a window opens.
install(TARGETS tessera_window LIBRARY DESTINATION lib/tessera)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Language DESTINATION lib/tessera OPTIONAL
        USE_SOURCE_PERMISSIONS)
# The help, message and help-brief files the build put beside the program
# (found when installing, so files that other parts of the build add go too).
install(CODE "file(GLOB shipped \"${CMAKE_BINARY_DIR}/*.TXT\" \"${CMAKE_BINARY_DIR}/*.HTM\")
  file(INSTALL \${shipped} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/lib/tessera\")")
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin)
  file(CREATE_LINK ../lib/tessera/Tessera.exe \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/tessera SYMBOLIC)")
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tessera.desktop
        DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tessera.svg
        DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME tessera)
set(CPACK_PACKAGE_VENDOR Verdane)
set(CPACK_PACKAGE_CONTACT "Tessera developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Character-based command shell in the style of a handheld device's command prompt")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tessera gives one window (or a terminal) with a prompt, built-in commands for files, "
       "text, a registry and the environment, batch files, and five companion tools (diff, "
       "sort, TSXKF, upcase, hostreport), on a device file system of its own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Programs go into the package without their debugging information.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the programs link are found by dpkg-shlibdeps; the window
# also needs Qt's platform plugins and a font for the Japanese messages,
# and documents open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
