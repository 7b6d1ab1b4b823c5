# The window layer: widget files of every subsystem folder (listed in
# <folder>/gui.cmake) form orvex71_gui; app/main.cpp is the configurator.
set(ORVEX71_GUI_SOURCES)
foreach(folder app ui keys perf macro platform)
  include(${CMAKE_SOURCE_DIR}/${folder}/gui.cmake OPTIONAL)
endforeach()

add_library(orvex71_gui STATIC ${ORVEX71_GUI_SOURCES})
target_link_libraries(orvex71_gui PUBLIC orvex71_core Qt6::Widgets Qt6::Gui Qt6::Network)
if(TARGET orvex71_device)
  target_link_libraries(orvex71_gui PUBLIC orvex71_device)
endif()

# The skin pictures, built in as :/skin/<name>.png.
file(GLOB ORVEX71_SKIN_FILES CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/skin/*.png")
if(ORVEX71_SKIN_FILES)
  qt_add_resources(orvex71_gui orvex71_skin
    PREFIX "/"
    BASE "${CMAKE_SOURCE_DIR}/resources"
    FILES ${ORVEX71_SKIN_FILES})
endif()

add_executable(orvex71 app/main.cpp)
target_link_libraries(orvex71 PRIVATE orvex71_gui)
install(TARGETS orvex71)
