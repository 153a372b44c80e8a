# The page renderer, the print loop and the PDF writer: Qt Gui only, so the command line can link them.
target_sources(vpx_printqt PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/DrawReportPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ReportPrintLoop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ReportPdf.cpp)
