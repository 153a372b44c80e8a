# Channel editor and auxiliary editors driven through their widgets.
vpx_gui_test(chanedit_dialogs_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/chanedit_ChannelDlgTest.cpp ${CMAKE_CURRENT_LIST_DIR}/qt/chanedit_AuxEditorsTest.cpp
  LIBS vpx_gui)
# Editor page widgets driven as a user would; the show test runs the command-line tool.
vpx_gui_test(page_gui_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/page_PanelTest.cpp ${CMAKE_CURRENT_LIST_DIR}/qt/page_TableTest.cpp
  LIBS vpx_gui)
add_dependencies(page_gui_test vpxds-cli)
# Screenshots of the editor page for the README (run by hand: QT_QPA_PLATFORM=offscreen page_screenshot).
add_executable(page_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/page_screenshot.cpp)
target_link_libraries(page_screenshot PRIVATE vpx_gui)
target_compile_definitions(page_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# Channel table copy, cut, paste, delete, undo and redo; the main window's channel-list commands.
vpx_gui_test(csv_gui_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/csv_TableTest.cpp ${CMAKE_CURRENT_LIST_DIR}/qt/csv_WindowTest.cpp
  LIBS vpx_gui)
# Screenshots of the channel table with a selection and its context menu (run by hand: csv_screenshot).
add_executable(csv_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/csv_screenshot.cpp)
target_link_libraries(csv_screenshot PRIVATE vpx_gui)
target_compile_definitions(csv_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
