# Editor page: widget-free rules.
target_sources(vpx_editorcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PanelLogic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChannelTableLogic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BandSelection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PanelReport.cpp)
# Channel editor and auxiliary editors: widget-free rules.
target_sources(vpx_editorcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChannelRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BandLimitRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestFreqTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmbeddedMessage.cpp)
