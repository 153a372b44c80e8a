# The page renderer on recording devices and bitmaps, the print loop and the report commands, the
# preview window driven through its widgets.
vpx_gui_test(print_page_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/ReportPageTest.cpp
  LIBS vpx_printqt Qt6::Widgets)
# vpxds-cli report run as a user does, its PDF read back with poppler-utils (no display needed).
vpx_core_test(print_pdf_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReportPdfTest.cpp
  LIBS vpx_printcore vpx_editorcore vpx_codeplug vpx_appcore)
add_dependencies(print_pdf_test vpxds-cli)
# The preview window and the report commands of the main window.
vpx_gui_test(print_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/PreviewWindowTest.cpp ${CMAKE_CURRENT_LIST_DIR}/qt/ReportCommandsTest.cpp
  LIBS vpx_gui)
add_dependencies(print_window_test vpxds-cli)
# Pictures of the preview for the README (run by hand under Xvfb: preview_screenshot [DIR]).
add_executable(preview_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/preview_screenshot.cpp)
target_link_libraries(preview_screenshot PRIVATE vpx_gui Qt6::Test)
target_compile_definitions(preview_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
