# The user manual: the Markdown pages of docs/manual/<language>/ become HTML in bin/manual (where the
# window program finds it beside itself in a build), installed as PREFIX/share/vpxds/manual.
# Needs Python 3 with its markdown module (Debian: python3-markdown).
include(GNUInstallDirs)
if(VPX_GUI)
  find_program(VPX_PYTHON3 python3 HINTS /usr/bin REQUIRED)
  execute_process(COMMAND ${VPX_PYTHON3} -c "import markdown" RESULT_VARIABLE VPX_MARKDOWN_MISSING
                  OUTPUT_QUIET ERROR_QUIET)
  if(VPX_MARKDOWN_MISSING)
    message(FATAL_ERROR "The user manual needs Python's markdown module for ${VPX_PYTHON3} "
                        "(Debian: python3-markdown; scripts/deps.sh installs it)")
  endif()
  file(GLOB VPX_MANUAL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/manual/*/*.md ${CMAKE_SOURCE_DIR}/docs/*.png)
  set(VPX_MANUAL_DIR ${CMAKE_BINARY_DIR}/bin/manual)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/manual.stamp
                     COMMAND ${VPX_PYTHON3} ${CMAKE_SOURCE_DIR}/docs/manual/build-manual.py
                             ${CMAKE_SOURCE_DIR}/docs/manual ${VPX_MANUAL_DIR}
                     COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/manual.stamp
                     DEPENDS ${CMAKE_SOURCE_DIR}/docs/manual/build-manual.py ${VPX_MANUAL_SOURCES}
                     COMMENT "Building the user manual" VERBATIM)
  add_custom_target(vpxds-manual ALL DEPENDS ${CMAKE_BINARY_DIR}/manual.stamp)
  install(DIRECTORY ${VPX_MANUAL_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vpxds/manual)
endif()
