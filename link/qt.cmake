target_sources(vpx_qtlink PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SerialPort.cpp)
