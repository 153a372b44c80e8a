# Tests of the Qt SerialPort adapter over pseudo-terminals; a QCoreApplication is all they need.
add_executable(link_qt_tests
  ${CMAKE_CURRENT_LIST_DIR}/qt/QtTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkTestSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/QtSerialPortTest.cpp)
target_include_directories(link_qt_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(link_qt_tests PRIVATE vpx_qtlink vpx_link vpx_codeplug vpx_appcore GTest::gtest)
target_compile_definitions(link_qt_tests PRIVATE VPX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" VPX_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
gtest_discover_tests(link_qt_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS qt ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
