# The tuning window through its widgets, and opened by Ctrl+M from the main window.
vpx_gui_test(tuning_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TuningTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/TuningWindowTest.cpp
  LIBS vpx_gui)
# Pictures of the tuning window for the README (run by hand under an X server: tuning_screenshot).
add_executable(tuning_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/tuning_screenshot.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TuningTestSupport.cpp)
target_link_libraries(tuning_screenshot PRIVATE vpx_gui Qt6::Test)
target_compile_definitions(tuning_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# Pictures of the alignment-data window for the README (run by hand under an X server).
add_executable(alignment_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/alignment_screenshot.cpp)
target_link_libraries(alignment_screenshot PRIVATE vpx_gui)
target_compile_definitions(alignment_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The alignment-data window through its widgets, and Ctrl+T in the main window.
vpx_gui_test(alignment_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/AlignmentDialogTest.cpp
  LIBS vpx_gui)
