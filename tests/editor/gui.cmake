# Channel editor and auxiliary editors driven through their widgets.
vpx_gui_test(chanedit_dialogs_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/chanedit_ChannelDlgTest.cpp ${CMAKE_CURRENT_LIST_DIR}/chanedit_AuxEditorsTest.cpp
  LIBS vpx_gui)
