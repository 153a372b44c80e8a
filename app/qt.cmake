# The helpers every window uses (app/qt/ui): beneath the windows of every subsystem and the main window,
# they include nothing of theirs.
target_sources(vpx_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/MsgBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/AppFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/DialogCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/CChildFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/FileDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/UnsavedWork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/MainFrameUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ui/EditorPageUi.cpp)
