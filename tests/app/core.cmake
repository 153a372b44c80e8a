# Application-shell core tests: profile files, settings, start-up decisions and interface texts.
vpx_core_test(app_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/IniFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupStateTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppLocationTest.cpp
  LIBS vpx_appcore)
