# Report model, page arithmetic, layout and preview geometry without Qt.
vpx_core_test(print_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReportRulesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PreviewGeometryTest.cpp
  LIBS vpx_printcore vpx_editorcore vpx_codeplug vpx_appcore)
