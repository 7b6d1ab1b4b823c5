# Model files of ui/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
)
list(APPEND ORVEX71_CORE_SOURCES ui/LanguageTable.cpp)
