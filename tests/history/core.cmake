# Core tests of the radio history: the file and its versions, the rows of every radio operation against
# the simulated radio, the window's rules, and vpxds-cli history.
vpx_core_test(history_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/tests/link/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryStoreTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BackupImportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SessionRowsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliHistoryTest.cpp
  LIBS vpx_history vpx_service vpx_link vpx_codeplug vpx_appcore)
target_include_directories(history_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/link)
if(TARGET vpxds-cli)
  add_dependencies(history_tests vpxds-cli)
endif()
