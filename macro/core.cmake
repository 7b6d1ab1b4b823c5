# Model files of macro/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
  macro/MacroName.cpp
  macro/MacroCodec.cpp
  macro/MacroDecode.cpp
  macro/DeviceMacroSlots.cpp
  macro/MacroLibrary.cpp
)
list(APPEND ORVEX71_CORE_SOURCES macro/StepEditFilters.cpp)
