# Model files of ui/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
)
list(APPEND ORVEX71_CORE_SOURCES ui/LanguageTable.cpp)
list(APPEND ORVEX71_CORE_SOURCES ui/IniText.cpp)
list(APPEND ORVEX71_CORE_SOURCES ui/LayoutResource.cpp)
list(APPEND ORVEX71_CORE_SOURCES ui/SkinLayout.cpp)
list(APPEND ORVEX71_CORE_SOURCES ui/LanguageResource.cpp)
list(APPEND ORVEX71_CORE_SOURCES ui/TermTable.cpp)
