# Install layout: the two programs in PREFIX/bin; the interface texts in PREFIX/share/vpxds (read when
# the user's application directory has none of its own); the desktop entry and the program icon in
# the sizes of the icon theme; the udev rule for the programming cables; the manual pages, the shell
# completion of vpxds-cli, the AppStream metadata and the MIME type of data files; the user manual
# (docs/manual/manual.cmake).
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

# Manual pages, and the package's changelog, are installed compressed (gzip -9n), as Debian wants them.
find_program(VPX_GZIP gzip REQUIRED)
function(vpx_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/res/${name}.gz)
  add_custom_command(OUTPUT ${gzipped} COMMAND ${VPX_GZIP} -9 -n -c ${source} > ${gzipped}
                     DEPENDS ${source} VERBATIM)
  string(MAKE_C_IDENTIFIER ${name} target)
  add_custom_target(vpxds-gzip-${target} ALL DEPENDS ${gzipped})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()
vpx_install_gzipped(${CMAKE_CURRENT_LIST_DIR}/linux/vpxds-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/vpxds-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vpxds-cli)
if(TARGET vpxds)
  vpx_install_gzipped(${CMAKE_CURRENT_LIST_DIR}/linux/vpxds.1 ${CMAKE_INSTALL_MANDIR}/man1)
  # Software centres (AppStream) and file managers (the MIME type of *.dat files).
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/com.vpxcommunications.vpxds.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/vpxds.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()

# The licence and the changelog beside the documentation and lintian's overrides, as a Debian package
# carries them (the Debian source package installs its own, see debian/not-installed).
install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/debian/vpxds.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vpxds)
vpx_install_gzipped(${CMAKE_SOURCE_DIR}/debian/changelog ${CMAKE_INSTALL_DOCDIR})
