# Model files of config/ that belong to the core library.
list(APPEND ORVEX71_CORE_SOURCES
  config/Checksum.cpp
  config/ConfigImage.cpp
  config/FactoryImages.cpp
  config/ProfileCodes.cpp
  config/ProfileFile.cpp
  config/SectionRules.cpp
  config/SensorOrientation.cpp
  config/SettingsModel.cpp
)
