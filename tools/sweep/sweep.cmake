# The fault sweep of the radio link: a library of sweep cases (used by the link tests too) and
# vpxds-faultsweep, which runs every case and summarises them (tools/fault-sweep.sh runs it in parallel).
add_library(vpx_faultsweep STATIC ${CMAKE_CURRENT_LIST_DIR}/SweepCases.cpp ${CMAKE_CURRENT_LIST_DIR}/SweepRun.cpp)
target_link_libraries(vpx_faultsweep PUBLIC vpx_service vpx_link vpx_codeplug vpx_appcore)
add_executable(vpxds-faultsweep ${CMAKE_CURRENT_LIST_DIR}/SweepMain.cpp)
target_link_libraries(vpxds-faultsweep PRIVATE vpx_faultsweep)
