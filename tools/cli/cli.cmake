# vpxds-cli links only the core libraries.
file(GLOB VPX_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(vpxds-cli ${VPX_CLI_SOURCES})
target_link_libraries(vpxds-cli PRIVATE vpx_link vpx_editorcore vpx_codeplug vpx_appcore)
target_link_libraries(vpxds-cli PRIVATE vpx_service) # vpxds-cli align
