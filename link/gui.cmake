# Radio windows of the window program: read, write (on their common frame) and the port selection page.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/TransferDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CSetComFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ReadDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/WriteDialog.cpp)
# Password, service access and model-information windows.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/DialogLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/PasswordDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/TestPasswordDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/ModelInfoDialog.cpp)
