# Core of the radio link: port abstraction, protocol, transfers, simulated radio (standard library only).
target_sources(vpx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SerialPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkClock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplyShape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BlockReads.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WrittenRanges.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExchangeLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Protocol.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LineDiscipline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplyCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransferSteps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WriteSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PortNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PortAccess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RadioPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LineSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PosixSerialPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimulatedRadio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimulatedPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RadioLineup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LineupPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PtyRadioServer.cpp)
# Passwords of the code plug and the service access code.
target_sources(vpx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PasswordField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswordForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ServiceAccess.cpp)
# The write's backup before and verification after: reads inside a write.
target_sources(vpx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/NestedReadUi.cpp)
# What a code plug is checked for before it is written.
target_sources(vpx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PreWriteCheck.cpp)
