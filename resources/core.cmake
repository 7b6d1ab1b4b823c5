# Built-in resources of the core: factory images, the initial macro library,
# layout and language tables (pictures belong to the window). Every file in
# these folders is built in, under its path below resources/.
# FILES are resolved against the current source folder, so the paths stay
# absolute; BASE turns them into the resource names.
file(GLOB ORVEX71_CORE_RESOURCE_FILES CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/factory/*"
  "${CMAKE_SOURCE_DIR}/resources/layout/*"
  "${CMAKE_SOURCE_DIR}/resources/lang/*"
  "${CMAKE_SOURCE_DIR}/resources/macros/*")
if(ORVEX71_CORE_RESOURCE_FILES)
  qt_add_resources(orvex71_core orvex71_core_data
    PREFIX "/"
    BASE "${CMAKE_SOURCE_DIR}/resources"
    FILES ${ORVEX71_CORE_RESOURCE_FILES})
endif()
