# Install layout: the two programs in PREFIX/bin; the interface texts in PREFIX/share/vpxds (read when
# the user's application directory has none of its own); the desktop entry and the program icon in
# the sizes of the icon theme; the udev rule for the programming cables; the manual page of vpxds-cli.
include(GNUInstallDirs)

install(TARGETS vpxds-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/language.sys DESTINATION ${CMAKE_INSTALL_DATADIR}/vpxds)

if(TARGET vpxds)
  install(TARGETS vpxds RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/vpxds.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor/${size}x${size}/vpxds.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/art/app.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME vpxds.svg)
endif()

# udev reads PREFIX/lib/udev/rules.d (/usr/lib on Debian), whatever the folder of the libraries is.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/60-vpxds-cables.rules DESTINATION lib/udev/rules.d)

# Manual pages are installed compressed, as Debian wants them.
find_program(VPX_GZIP gzip)
set(VPX_MAN_PAGE ${CMAKE_CURRENT_LIST_DIR}/linux/vpxds-cli.1)
if(VPX_GZIP)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/res/vpxds-cli.1.gz
                     COMMAND ${VPX_GZIP} -9 -n -c ${VPX_MAN_PAGE} > ${CMAKE_BINARY_DIR}/res/vpxds-cli.1.gz
                     DEPENDS ${VPX_MAN_PAGE} VERBATIM)
  add_custom_target(vpxds-man ALL DEPENDS ${CMAKE_BINARY_DIR}/res/vpxds-cli.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/res/vpxds-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${VPX_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
