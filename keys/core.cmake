# Model files of keys/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
)
list(APPEND ORVEX71_CORE_SOURCES keys/KeyFunctionCode.cpp)
list(APPEND ORVEX71_CORE_SOURCES keys/KeyboardTables.cpp)
list(APPEND ORVEX71_CORE_SOURCES keys/KeyCatalogue.cpp)
list(APPEND ORVEX71_CORE_SOURCES keys/KeyFunctionName.cpp)
list(APPEND ORVEX71_CORE_SOURCES keys/KeyboardHookKey.cpp)
list(APPEND ORVEX71_CORE_SOURCES keys/AssemblyKeyState.cpp)
