# Radio windows of the window program: read, write and the port selection page.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CSetComFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WriteDialog.cpp)
# Password, service access and model-information windows.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DialogLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswordDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestPasswordDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModelInfoDialog.cpp)
