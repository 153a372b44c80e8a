# Window program: main window, dialogs and the shared read/write window frame go into vpx_gui (so the
# widget tests link them); the program vpxds adds only its entry point.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MsgBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppStart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CAboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CChildFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CMainFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/COptionsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DocumentCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FirstPaintProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanguageSwitch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransferDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogCursor.cpp
  ${CMAKE_SOURCE_DIR}/res/vpxds.qrc)

add_executable(vpxds ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vpxds PRIVATE vpx_gui)
