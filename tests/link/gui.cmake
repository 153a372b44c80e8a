# Widget tests of the radio windows: port selection page, read and write windows.
vpx_gui_test(link_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowRadioDialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowPortPageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowReadGuardTest.cpp
  LIBS vpx_gui)
# Password, service access and model-information windows, also against the command line.
vpx_gui_test(link_password_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowPasswordDialogsTest.cpp
  LIBS vpx_gui)
if(TARGET vpxds-cli)
  add_dependencies(link_password_window_test vpxds-cli)
endif()
# Pictures of those windows for the README (run by hand under an X server: password_screenshot).
add_executable(password_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/password_screenshot.cpp)
target_link_libraries(password_screenshot PRIVATE vpx_gui Qt6::Test)
target_compile_definitions(password_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The write's backup and verification in the Options and write windows.
vpx_gui_test(link_write_guard_window_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt/WindowWriteGuardTest.cpp
  LIBS vpx_gui)
# Pictures of the Options window and a failed verification for the README (run by hand under an X
# server: guard_screenshot).
add_executable(guard_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/guard_screenshot.cpp)
target_link_libraries(guard_screenshot PRIVATE vpx_gui Qt6::Test)
target_compile_definitions(guard_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
