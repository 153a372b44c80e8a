# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs under
# /usr; its dependencies come from the shared libraries the programs link (dpkg-shlibdeps) and, like
# its maintainer and description, from debian/control, which the Debian source package uses too.
file(READ ${CMAKE_SOURCE_DIR}/debian/control VPX_CONTROL)
# "Field: value" with its continuation lines (those that begin with a blank), of the binary package.
function(vpx_control_field name out)
  string(REGEX MATCH "\n${name}:([^\n]*(\n [^\n]*)*)" match "\n${VPX_CONTROL}")
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
vpx_control_field(Maintainer VPX_MAINTAINER)
vpx_control_field(Depends VPX_DEPENDS)
vpx_control_field(Description VPX_DESCRIPTION)
string(STRIP "${VPX_MAINTAINER}" VPX_MAINTAINER)
# The dependencies that no library brings (the Chinese font), without the ${...} of debhelper.
string(REGEX REPLACE "\\$\\{[^}]*\\},?" "" VPX_DEPENDS "${VPX_DEPENDS}")
string(REGEX REPLACE "[ \n]+" " " VPX_DEPENDS "${VPX_DEPENDS}")
string(STRIP "${VPX_DEPENDS}" VPX_DEPENDS)
string(REGEX REPLACE ",$" "" VPX_DEPENDS "${VPX_DEPENDS}")
# The first line is the summary; cpack indents the extended description itself and writes " ." for
# its empty lines, so the control file's indentation and dots come off.
string(REGEX MATCH "^ *([^\n]*)\n(.*)$" match "${VPX_DESCRIPTION}")
set(VPX_SUMMARY "${CMAKE_MATCH_1}")
string(REPLACE "\n .\n" "\n\n" VPX_LONG_DESCRIPTION "${CMAKE_MATCH_2}")
string(REPLACE "\n " "\n" VPX_LONG_DESCRIPTION "\n${VPX_LONG_DESCRIPTION}")
string(STRIP "${VPX_LONG_DESCRIPTION}" VPX_LONG_DESCRIPTION)

set(CPACK_PACKAGE_NAME vpxds)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VPX Communications Ltd.")
set(CPACK_PACKAGE_CONTACT "${VPX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VPX_SUMMARY}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${VPX_LONG_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VPX_DEPENDS}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vpxcommunications.example/vpxds/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
