# Widget tests of the radio windows: port selection page, read and write windows.
vpx_gui_test(link_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WindowRadioDialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowPortPageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowReadGuardTest.cpp
  LIBS vpx_gui)
# Password, service access and model-information windows, also against the command line.
vpx_gui_test(link_password_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WindowPasswordDialogsTest.cpp
  LIBS vpx_gui)
if(TARGET vpxds-cli)
  add_dependencies(link_password_window_test vpxds-cli)
endif()
# Pictures of those windows for the README (run by hand under an X server: password_screenshot).
add_executable(password_screenshot ${CMAKE_CURRENT_LIST_DIR}/password_screenshot.cpp)
target_link_libraries(password_screenshot PRIVATE vpx_gui Qt6::Test)
target_compile_definitions(password_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
