# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs under
# /usr; its dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME vpxds)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VPX Communications Ltd.")
set(CPACK_PACKAGE_CONTACT "VPXE+ programming software <vpxds@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for VPXE+ MX6+ two-way radios")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Reads the code plug of a VPXE+ MX6+ handheld radio over a serial programming cable, edits its\n"
    "channels and settings, writes it back and keeps it in data files. Comes with the window\n"
    "program vpxds, the command-line tool vpxds-cli and a udev rule that gives common USB serial\n"
    "programming cables to the dialout group and keeps ModemManager away from them.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
