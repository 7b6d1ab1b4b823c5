# Model files of perf/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
  perf/CpiValues.cpp
  perf/EditClamps.cpp
)
list(APPEND ORVEX71_CORE_SOURCES perf/NamedColours.cpp)
