# Windows of the service functions: the tuning window.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/TuningDialog.cpp)
# Alignment-data window of the window program.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/AlignmentGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/AlignmentDialog.cpp)
target_link_libraries(vpx_gui PUBLIC vpx_service)
