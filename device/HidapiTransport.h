#pragma once

#include "device/HidTransport.h"

namespace orvex {

// The real HID layer on Linux: hidapi over hidraw. hidapi 0.13 has no call
// for the report descriptor, so the feature report length comes from the
// node's descriptor in sysfs (or HIDIOCGRDESC on the node) through our own
// parser. hidapi keeps process-wide state between hid_init and hid_exit,
// so a process has one HidapiTransport.
class HidapiTransport final : public HidTransport {
public:
    HidapiTransport();
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    /// One entry per hidraw node; hidapi lists a node once per top-level
    /// collection, which would count one device several times.
    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDeviceHandle> Open(const QString& path) override;
};

}  // namespace orvex
