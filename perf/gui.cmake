# Widget files of perf/.
list(APPEND ORVEX71_GUI_SOURCES
  perf/AdvancedPageControls.cpp
  perf/LightPageControls.cpp
  perf/EngineerPage.cpp
  perf/EngineerPageBinding.cpp
  perf/EngineerPageCaptions.cpp
  perf/EngineerPageLayout.cpp
)
list(APPEND ORVEX71_GUI_SOURCES perf/ColourChoiceDialog.cpp)
