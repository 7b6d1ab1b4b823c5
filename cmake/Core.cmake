# The core library: pure logic over bytes and texts (QtCore only, no widgets,
# no device). Each subsystem folder lists its own model files in core.cmake.
set(ORVEX71_CORE_SOURCES)
include(${CMAKE_SOURCE_DIR}/config/core.cmake)
include(${CMAKE_SOURCE_DIR}/keys/core.cmake)
include(${CMAKE_SOURCE_DIR}/macro/core.cmake)
include(${CMAKE_SOURCE_DIR}/perf/core.cmake)
include(${CMAKE_SOURCE_DIR}/ui/core.cmake)

add_library(orvex71_core STATIC ${ORVEX71_CORE_SOURCES})
target_include_directories(orvex71_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(orvex71_core PUBLIC Qt6::Core)
target_compile_definitions(orvex71_core PUBLIC QT_NO_KEYWORDS)

include(${CMAKE_SOURCE_DIR}/resources/core.cmake)

# The device layer: transport, DeviceLink, the simulated mouse, supervision
# and the flows. Links hidapi; still no widgets.
set(ORVEX71_DEVICE_SOURCES)
include(${CMAKE_SOURCE_DIR}/device/core.cmake OPTIONAL)
if(ORVEX71_DEVICE_SOURCES)
  add_library(orvex71_device STATIC ${ORVEX71_DEVICE_SOURCES})
  target_link_libraries(orvex71_device PUBLIC orvex71_core PRIVATE PkgConfig::HIDAPI)
  target_compile_definitions(orvex71_device PUBLIC
    ORVEX71_VENDOR_ID=${ORVEX71_VENDOR_ID}
    ORVEX71_PRODUCT_ID=${ORVEX71_PRODUCT_ID})
endif()
