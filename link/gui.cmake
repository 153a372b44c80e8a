# Radio windows of the window program: read, write and the port selection page.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CSetComFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WriteDialog.cpp)
