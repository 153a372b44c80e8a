# Fleet programming (no Qt): one code plug into many radios, one worker thread per port.
target_sources(vpx_fleet PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FleetRadio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FleetRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FleetLinkUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FleetSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FleetRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeliveryList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimulatedFleetPort.cpp)
target_link_libraries(vpx_fleet PUBLIC vpx_history vpx_link vpx_codeplug vpx_appcore)
