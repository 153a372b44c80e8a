# The manual pages and the shell completion checked against the programs' own --help.
vpx_core_test(cli_docs_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ManPageTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CompletionTest.cpp
  LIBS vpx_appcore)
add_dependencies(cli_docs_test vpxds-cli)
if(TARGET vpxds)
  add_dependencies(cli_docs_test vpxds)
endif()
