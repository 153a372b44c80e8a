target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/CMainFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CMainFrmPanel.cpp)
# Channel editor and auxiliary editors.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/CChannelDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CChannelDlgEvents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CEmbedMsgFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CTestFreqFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CBandLimitDlg.cpp)
# Editor page widgets.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/CSpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/CChannelTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/InterfaceLock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/BandSelectionFlow.cpp)
# Copy, cut, paste and delete on the channel table.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/CChannelTableActions.cpp)
# Tone drop-down list of the channel editor.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/CToneList.cpp)
