# Core tests of the tuning mode against the in-process simulated radio.
vpx_core_test(tuning_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TuningTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/link/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TuningSessionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TuningEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TuningItemsTest.cpp
  LIBS vpx_service vpx_link vpx_codeplug vpx_appcore)
