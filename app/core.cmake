target_sources(vpx_appcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppState.cpp)
