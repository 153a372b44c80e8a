# Windows of the service functions: the tuning window.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/TuningDialog.cpp)
