# Core of the service functions (standard library only): the tuning mode and its items.
target_sources(vpx_service PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TuningItems.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TuningEcho.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TuningSession.cpp)
# Alignment data: the block's tables and files, the radio session and the spreadsheet export.
target_sources(vpx_service PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentBlockRead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlignmentExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSpreadSheet.cpp)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
target_link_libraries(vpx_service PRIVATE PkgConfig::XLSXWRITER)
