# The radio history window of the window program.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/HistoryDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/HistoryDiffDialog.cpp)
target_link_libraries(vpx_gui PUBLIC vpx_history)
