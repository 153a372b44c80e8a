# Channel editor and auxiliary editors: rules without widgets.
vpx_core_test(chanedit_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/chanedit_RulesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/chanedit_AuxRulesTest.cpp
  LIBS vpx_editorcore vpx_codeplug vpx_appcore)
# Editor page: rules without widgets.
vpx_core_test(page_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/page_PanelLogicTest.cpp
  LIBS vpx_editorcore vpx_codeplug vpx_appcore)
# Channel lists in and out: CSV text, export and import, copy and paste.
vpx_core_test(csv_core_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/csv_ChannelCsvTest.cpp ${CMAKE_CURRENT_LIST_DIR}/csv_CsvTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/csv_CliTest.cpp ${CMAKE_CURRENT_LIST_DIR}/csv_RowSelectionTest.cpp
  LIBS vpx_editorcore vpx_codeplug vpx_appcore)
if(TARGET vpxds-cli)
  add_dependencies(csv_core_test vpxds-cli)
endif()
