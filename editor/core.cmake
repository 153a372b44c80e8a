target_sources(vpx_editorcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EditorCore.cpp)
