# Core tests of the radio link against the simulated radio (in-process and on a pseudo-terminal).
vpx_core_test(link_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProtocolTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReadSessionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteSessionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PortNamesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PortAccessTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SimulatedRadioTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PtyLinkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FaultSweepTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PasswordTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliPasswordsTest.cpp
  LIBS vpx_faultsweep vpx_link vpx_codeplug vpx_appcore)
target_include_directories(link_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
if(TARGET vpxds-cli)
  add_dependencies(link_tests vpxds-cli)
endif()
# The write's backup before and verification after, in process and over a pseudo-terminal.
vpx_core_test(write_guard_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteGuardTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GuardCliTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteCheckTest.cpp
  LIBS vpx_link vpx_editorcore vpx_codeplug vpx_appcore)
target_include_directories(write_guard_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
if(TARGET vpxds-cli)
  add_dependencies(write_guard_tests vpxds-cli)
endif()
