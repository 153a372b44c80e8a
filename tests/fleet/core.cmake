# Core tests of fleet programming: runs on virtual time against lineups of simulated radios, the list
# file, and vpxds-cli fleet over pseudo-terminals.
vpx_core_test(fleet_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/tests/link/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FleetRunTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FleetRadioTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliFleetTest.cpp
  LIBS vpx_fleet vpx_history vpx_link vpx_codeplug vpx_appcore)
target_include_directories(fleet_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/link)
if(TARGET vpxds-cli)
  add_dependencies(fleet_tests vpxds-cli)
endif()
