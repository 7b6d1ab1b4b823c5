# Widget files of ui/ (the window layer).
list(APPEND ORVEX71_GUI_SOURCES
  ui/SkinPictures.cpp
  ui/SkinPicture.cpp
  ui/SkinLabel.cpp
)
list(APPEND ORVEX71_GUI_SOURCES
  ui/NumericEdit.cpp
  ui/RectShape.cpp
  ui/PasswordDialog.cpp
)
list(APPEND ORVEX71_GUI_SOURCES ui/ControlFactory.cpp)
list(APPEND ORVEX71_GUI_SOURCES
  ui/CurrentPage.cpp
  ui/SkinPlacer.cpp
  ui/SkinGroups.cpp
  ui/SkinApplier.cpp
)
list(APPEND ORVEX71_GUI_SOURCES ui/LanguageApplier.cpp ui/ButtonFamilies.cpp)
list(APPEND ORVEX71_GUI_SOURCES
  ui/DialogFrame.cpp
  ui/DialogFrameDescription.cpp
  ui/DialogFrameLayout.cpp
  ui/DialogSlot.cpp
  ui/KeyCaptureEdit.cpp
)
