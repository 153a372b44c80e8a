# The radio-history window through its widgets, and the radio windows recording into the history.
vpx_gui_test(history_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/HistoryWindowTest.cpp
  LIBS vpx_gui)
# Pictures of the radio-history window for the README (run by hand under an X server).
add_executable(history_screenshot ${CMAKE_CURRENT_LIST_DIR}/qt/history_screenshot.cpp)
target_link_libraries(history_screenshot PRIVATE vpx_gui)
target_compile_definitions(history_screenshot PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
