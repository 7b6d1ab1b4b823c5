# Model files of macro/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
)
