# The page renderer on recording devices and bitmaps, the print loop and the report commands, the
# preview window driven through its widgets.
vpx_gui_test(print_page_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReportPageTest.cpp
  LIBS vpx_printqt Qt6::Widgets)
# vpxds-cli report run as a user does, its PDF read back with poppler-utils (no display needed).
vpx_core_test(print_pdf_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReportPdfTest.cpp
  LIBS vpx_printcore vpx_editorcore vpx_codeplug vpx_appcore)
add_dependencies(print_pdf_test vpxds-cli)
