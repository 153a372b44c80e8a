# Top of the window program: the main window, its command table and menu, the start-up, the file, edit
# and language commands and the dialogs only they open go into vpx_gui above every subsystem's windows
# (so the widget tests link them); the program vpxds adds only its entry point.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/AppStart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CAboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CHelpViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CMainFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CMainFrameCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/COptionsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/DocumentCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/EditCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/FirstPaintProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/LanguageSwitch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/MainMenu.cpp
  ${CMAKE_SOURCE_DIR}/res/vpxds.qrc)

add_executable(vpxds ${CMAKE_CURRENT_LIST_DIR}/qt/main.cpp)
target_link_libraries(vpxds PRIVATE vpx_gui)
