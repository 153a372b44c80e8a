# vpxds-cli links only the core libraries, and for its report command the report's Qt Gui renderer
# (a build without Qt gets a report command that says it cannot write PDF files).
file(GLOB VPX_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(REMOVE_ITEM VPX_CLI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReportPdfUnavailable.cpp)
add_executable(vpxds-cli ${VPX_CLI_SOURCES})
target_link_libraries(vpxds-cli PRIVATE vpx_link vpx_editorcore vpx_codeplug vpx_appcore)
target_link_libraries(vpxds-cli PRIVATE vpx_printcore)
if(VPX_GUI)
  target_link_libraries(vpxds-cli PRIVATE vpx_printqt)
else()
  target_sources(vpxds-cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ReportPdfUnavailable.cpp)
endif()
target_link_libraries(vpxds-cli PRIVATE vpx_service) # vpxds-cli align
target_link_libraries(vpxds-cli PRIVATE vpx_history) # every radio operation is recorded; vpxds-cli history
target_link_libraries(vpxds-cli PRIVATE vpx_fleet) # vpxds-cli fleet
