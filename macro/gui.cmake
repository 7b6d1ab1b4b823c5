# Widget files of macro/.
list(APPEND ORVEX71_GUI_SOURCES
  macro/MacroPageControls.cpp
)
list(APPEND ORVEX71_GUI_SOURCES macro/LibraryNameLists.cpp)
