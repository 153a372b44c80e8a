# Core of the service functions (standard library only): the tuning mode and its items.
target_sources(vpx_service PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TuningItems.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TuningEcho.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TuningSession.cpp)
