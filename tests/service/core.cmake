# Core tests of the tuning mode against the in-process simulated radio.
vpx_core_test(tuning_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TuningTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/link/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TuningSessionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TuningEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TuningItemsTest.cpp
  LIBS vpx_service vpx_link vpx_codeplug vpx_appcore)
# Core tests of the alignment data: files, tables, the radio session against the simulated radio,
# the spreadsheet export read back, and vpxds-cli align.
vpx_core_test(alignment_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/tests/link/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AlignmentFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AlignmentTablesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AlignmentSessionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AlignmentEditorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AlignmentExportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliAlignTest.cpp
  LIBS vpx_service vpx_link vpx_codeplug vpx_appcore)
target_include_directories(alignment_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/link)
if(TARGET vpxds-cli)
  add_dependencies(alignment_tests vpxds-cli)
endif()
