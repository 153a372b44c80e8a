# vpxds-bench: code-plug read and write against the paced simulated radio on a pseudo-terminal,
# through the Qt SerialPort adapter (so only with the Qt programs).
if(VPX_GUI)
  add_executable(vpxds-bench ${CMAKE_CURRENT_LIST_DIR}/BenchMain.cpp ${CMAKE_CURRENT_LIST_DIR}/BenchFleet.cpp)
  target_link_libraries(vpxds-bench PRIVATE vpx_qtlink vpx_fleet vpx_service vpx_link vpx_codeplug vpx_appcore)
endif()
