target_sources(vpx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SerialPort.cpp)
