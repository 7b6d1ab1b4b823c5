# Widget files of perf/.
list(APPEND ORVEX71_GUI_SOURCES
  perf/AdvancedPageControls.cpp
  perf/LightPageControls.cpp
)
list(APPEND ORVEX71_GUI_SOURCES perf/ColourChoiceDialog.cpp)
