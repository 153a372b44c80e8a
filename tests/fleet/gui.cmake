# The fleet window through its widgets, on simulated ports on virtual time.
vpx_gui_test(fleet_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/FleetWindowTest.cpp
  LIBS vpx_gui)
# Pictures of the fleet window for the README (run by hand under an X server).
add_executable(fleet_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/fleet_screenshot.cpp)
target_link_libraries(fleet_screenshot PRIVATE vpx_gui)
target_compile_definitions(fleet_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
