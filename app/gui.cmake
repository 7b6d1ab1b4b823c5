# Widget files of app/ (the window shell).
list(APPEND ORVEX71_GUI_SOURCES
  app/MainWindow.cpp
  app/SkinnedPage.cpp
  app/PageChrome.cpp
  app/LoadingForm.cpp
  app/SingleInstance.cpp
)
list(APPEND ORVEX71_GUI_SOURCES
  app/Configurator.cpp
  app/Messages.cpp
  app/Navigation.cpp
  app/WindowController.cpp
)
list(APPEND ORVEX71_GUI_SOURCES
  app/AppOptions.cpp
  app/DeviceThread.cpp
  app/DeviceController.cpp
)
list(APPEND ORVEX71_GUI_SOURCES app/FirstPaintProbe.cpp)
list(APPEND ORVEX71_GUI_SOURCES app/MacroNaming.cpp)
