# Widget tests of the window program: start-up, main window, file commands, options, language switch.
vpx_gui_test(app_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowStartupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowFileCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowTextFitTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowDataLossTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowKeysFocusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowHelpTest.cpp
  LIBS vpx_gui)
add_dependencies(app_window_test vpxds-manual)
# Pictures of every window in both languages, for looking at them and for the README (run by hand:
# window_screenshot DIR, under Xvfb or on the offscreen platform).
add_executable(window_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/window_screenshot.cpp)
target_link_libraries(window_screenshot PRIVATE vpx_gui)
target_compile_definitions(window_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
