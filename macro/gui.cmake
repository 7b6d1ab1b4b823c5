# Widget files of macro/.
list(APPEND ORVEX71_GUI_SOURCES
  macro/MacroPageControls.cpp
)
list(APPEND ORVEX71_GUI_SOURCES macro/LibraryNameLists.cpp)
list(APPEND ORVEX71_GUI_SOURCES
  macro/MacroNameDialog.cpp
  macro/StepKeyDialog.cpp
  macro/StepDelayDialog.cpp
  macro/StepValueDialog.cpp
)
