# Pictures of the alignment-data window for the README (run by hand under an X server).
add_executable(alignment_screenshot ${CMAKE_CURRENT_LIST_DIR}/alignment_screenshot.cpp)
target_link_libraries(alignment_screenshot PRIVATE vpx_gui)
target_compile_definitions(alignment_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The alignment-data window through its widgets, and Ctrl+T in the main window.
vpx_gui_test(alignment_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AlignmentDialogTest.cpp
  LIBS vpx_gui)
