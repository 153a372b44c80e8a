target_sources(vpx_appcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AtomicFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LangText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppLocation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpTopics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowArgs.cpp)
# An installed program finds its interface texts at this path from its own folder (share/vpxds
# beside bin, or wherever the install folders are set).
include(GNUInstallDirs)
file(RELATIVE_PATH VPX_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/vpxds)
target_compile_definitions(vpx_appcore PRIVATE VPX_DATA_FROM_BIN="${VPX_DATA_FROM_BIN}")
