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
  ${CMAKE_CURRENT_LIST_DIR}/CSpreadSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookSheets.cpp)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
# zlib: the sheets of an existing workbook are read out of its zip archive.
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
target_link_libraries(vpx_service PRIVATE PkgConfig::XLSXWRITER PkgConfig::ZLIB)
