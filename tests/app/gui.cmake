# Widget tests of the window program: start-up, main window, file commands, options, language switch.
vpx_gui_test(app_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WindowStartupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowFileCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowCommandsTest.cpp
  LIBS vpx_gui)
