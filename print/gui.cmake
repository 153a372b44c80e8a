# Print preview window, go-to-page dialog and the report commands of the window program.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/CPrintPreviewFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CPreviewPageArea.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CGotoPageDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ReportPrinting.cpp)
