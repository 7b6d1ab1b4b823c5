# Widget files of keys/.
list(APPEND ORVEX71_GUI_SOURCES
  keys/MainPageControls.cpp
  keys/FunctionMenus.cpp
)
list(APPEND ORVEX71_GUI_SOURCES keys/KeyLabels.cpp)
list(APPEND ORVEX71_GUI_SOURCES keys/AssemblyKeyDialog.cpp)
