# Widget tests of the radio windows: port selection page, read and write windows.
vpx_gui_test(link_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WindowRadioDialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowPortPageTest.cpp
  LIBS vpx_gui)
# Password, service access and model-information windows, also against the command line.
vpx_gui_test(link_password_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WindowPasswordDialogsTest.cpp
  LIBS vpx_gui)
if(TARGET vpxds-cli)
  add_dependencies(link_password_window_test vpxds-cli)
endif()
