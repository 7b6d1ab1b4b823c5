#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "device/Protocol.h"

namespace orvex {

// One HID interface of the machine as enumeration sees it.
struct HidInterfaceInfo {
    QString path;  // what Open takes
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    int featureReportLength = 0;  // largest feature report, report-id byte included; 0 = none

    bool operator==(const HidInterfaceInfo&) const = default;
};

// An opened interface. Feature reports carry the report id in byte 0.
class HidDeviceHandle {
public:
    virtual ~HidDeviceHandle() = default;
    /// Sends one feature report; false when the call failed.
    virtual bool SetFeature(const FeatureReport& report) = 0;
    /// Reads the feature report whose id is in report[0] into report; false
    /// when the call failed (report is then unspecified).
    virtual bool GetFeature(FeatureReport& report) = 0;
};

// The platform's HID layer: which interfaces are present, and opening one.
// The hidapi backend talks to real devices, the simulated mouse stands in
// for one.
class HidTransport {
public:
    virtual ~HidTransport() = default;
    /// The HID interfaces present right now, in enumeration order.
    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    /// Opens the interface at path; nullptr when it cannot be opened. The
    /// handle is closed when it is destroyed.
    virtual std::unique_ptr<HidDeviceHandle> Open(const QString& path) = 0;
};

}  // namespace orvex
