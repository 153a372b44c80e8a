# Application-shell core tests: profile files, settings, start-up decisions and interface texts.
vpx_core_test(app_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/IniFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupStateTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppLocationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpTopicsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowArgsTest.cpp
  LIBS vpx_appcore)
# The version the packages carry is the program's (--version).
target_compile_definitions(app_core_tests PRIVATE VPX_PROJECT_VERSION="${PROJECT_VERSION}")
if(TARGET vpxds)
  add_dependencies(app_core_tests vpxds vpxds-manual)
endif()
