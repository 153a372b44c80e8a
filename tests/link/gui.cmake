# Widget tests of the radio windows: port selection page, read and write windows.
vpx_gui_test(link_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WindowRadioDialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowPortPageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowReadGuardTest.cpp
  LIBS vpx_gui)
