# The device layer: transport, DeviceLink, the simulated mouse, supervision,
# the key poller and the flows (cmake/Core.cmake builds them into orvex71_device).
list(APPEND ORVEX71_DEVICE_SOURCES
  device/Clock.cpp
  device/DeviceLink.cpp
  device/DeviceBackend.cpp
  device/FlowOutcome.cpp
  device/FlowProgressCounter.cpp
  device/HidapiTransport.cpp
  device/KeyPoller.cpp
  device/ProfileFlows.cpp
  device/Protocol.cpp
  device/ReadFlows.cpp
  device/ReportDescriptor.cpp
  device/Supervision.cpp
  device/Transaction.cpp
  device/WriteFlows.cpp
  device/sim/ExchangeLog.cpp
  device/sim/SimFault.cpp
  device/sim/SimulatedMouse.cpp
  device/sim/SimulatedTransport.cpp
)

# The udev rule is written for the default ids; say so when a build uses
# other ones, or the installed rule would not let the user reach the mouse.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/70-orvex71.rules ORVEX71_UDEV_RULE REGEX "^KERNEL")
math(EXPR ORVEX71_VENDOR_ID_NUMBER "${ORVEX71_VENDOR_ID}" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR ORVEX71_PRODUCT_ID_NUMBER "${ORVEX71_PRODUCT_ID}" OUTPUT_FORMAT HEXADECIMAL)
string(REGEX REPLACE "^0x" "" ORVEX71_VENDOR_HEX "${ORVEX71_VENDOR_ID_NUMBER}")
string(REGEX REPLACE "^0x" "" ORVEX71_PRODUCT_HEX "${ORVEX71_PRODUCT_ID_NUMBER}")
string(TOLOWER "${ORVEX71_VENDOR_HEX}" ORVEX71_VENDOR_HEX)
string(TOLOWER "${ORVEX71_PRODUCT_HEX}" ORVEX71_PRODUCT_HEX)
string(LENGTH "${ORVEX71_VENDOR_HEX}" _len)
while(_len LESS 4)
  string(PREPEND ORVEX71_VENDOR_HEX "0")
  string(LENGTH "${ORVEX71_VENDOR_HEX}" _len)
endwhile()
string(LENGTH "${ORVEX71_PRODUCT_HEX}" _len)
while(_len LESS 4)
  string(PREPEND ORVEX71_PRODUCT_HEX "0")
  string(LENGTH "${ORVEX71_PRODUCT_HEX}" _len)
endwhile()
if(NOT ORVEX71_UDEV_RULE MATCHES "idVendor}==\"${ORVEX71_VENDOR_HEX}\""
   OR NOT ORVEX71_UDEV_RULE MATCHES "idProduct}==\"${ORVEX71_PRODUCT_HEX}\"")
  message(WARNING "packaging/70-orvex71.rules does not name the mouse ids ${ORVEX71_VENDOR_HEX}:${ORVEX71_PRODUCT_HEX}; "
                  "change idVendor/idProduct there to them.")
endif()
