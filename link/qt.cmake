# Qt side of the radio link: the Qt SerialPort adapter and the window program's port factory.
target_sources(vpx_qtlink PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/QtSerialPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/PortFactory.cpp)
