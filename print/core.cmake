# Report model, page arithmetic, millimetre layout and preview geometry: widget-free rules.
target_sources(vpx_printcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ReportModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportJob.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreviewGeometry.cpp)
