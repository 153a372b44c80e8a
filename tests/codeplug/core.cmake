# Core tests of the code plug: helpers and codecs, band catalogue, channel records, data files, document, CLI.
vpx_core_test(codeplug_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TempAppDir.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HexTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FreqCodecTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToneCodecTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelCatalogueTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChannelRecordTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DataFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelInfoTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditHistoryTest.cpp
  LIBS vpx_codeplug vpx_appcore)
target_include_directories(codeplug_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
if(TARGET vpxds-cli)
  add_dependencies(codeplug_tests vpxds-cli)
endif()
