# Editor page: widget-free rules.
target_sources(vpx_editorcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BandSelection.cpp)
# Channel editor and auxiliary editors: widget-free rules.
target_sources(vpx_editorcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChannelRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BandLimitRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestFreqTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmbeddedMessage.cpp)
# Channel lists in and out (CSV, clipboard) and the row selection of the channel table.
target_sources(vpx_editorcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CsvText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvToneColumns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChannelCsv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChannelCsvImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowSelection.cpp)
