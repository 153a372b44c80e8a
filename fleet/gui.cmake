# The fleet window of the window program and its delivery list.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/FleetDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/DeliveryPrint.cpp)
target_link_libraries(vpx_gui PUBLIC vpx_fleet)
