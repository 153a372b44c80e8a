target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MsgBox.cpp)
