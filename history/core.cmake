# The radio history (no Qt): its SQLite file, the rows of each radio operation, the backup import.
target_sources(vpx_history PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SqliteDb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqliteStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistorySchema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BackupImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryLinkUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SessionRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryRecorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryView.cpp)
find_package(SQLite3 REQUIRED)
target_link_libraries(vpx_history PUBLIC vpx_service vpx_link vpx_editorcore vpx_codeplug vpx_appcore
                      PRIVATE SQLite::SQLite3)
