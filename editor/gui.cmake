target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CMainFrm.cpp)
# Channel editor and auxiliary editors.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CChannelDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CEmbedMsgFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CTestFreqFrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CBandLimitDlg.cpp)
# Editor page widgets.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CSpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CChannelTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InterfaceLock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BandSelectionFlow.cpp)
# Copy, cut, paste and delete on the channel table.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CChannelTableActions.cpp)
# Tone drop-down list of the channel editor.
target_sources(vpx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CToneList.cpp)
