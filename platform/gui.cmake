# Stand-ins for platform services used by the window layer.
list(APPEND ORVEX71_GUI_SOURCES
  platform/QtVirtualKeys.cpp
)
