#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "device/HidTransport.h"
#include "device/sim/SimulatedMouse.h"

namespace orvex {

// The HID interface list of a machine with the simulated mouse attached: the
// mouse's own interface (8-byte feature reports, release 0x0104, the
// configured ids) while it is plugged in, plus any extra interfaces a test
// adds or removes. The mouse and the transport outlive every handle opened.
class SimulatedTransport final : public HidTransport {
public:
    static inline const QString kMousePath = QStringLiteral("sim:mouse");

    explicit SimulatedTransport(SimulatedMouse& mouse, quint16 vendorId = kMouseVendorId,
                                quint16 productId = kMouseProductId);

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDeviceHandle> Open(const QString& path) override;

    /// The mouse's interface as it is listed (while plugged in).
    HidInterfaceInfo MouseInterface() const;
    /// Changes what the mouse's interface reports (its path stays).
    void SetMouseInterface(const HidInterfaceInfo& info);

    /// Adds an interface at position (end when out of range). One that
    /// routesToMouse is another interface of the same mouse; any other is a
    /// device that never answers a feature report.
    void AddInterface(const HidInterfaceInfo& info, bool routesToMouse = false, int position = -1);
    /// Removes the first interface with this path; false when there is none.
    /// The mouse's own interface goes away with SimulatedMouse::Unplug.
    bool RemoveInterface(const QString& path);
    /// Adds count plain interfaces "sim:extraN" of another vendor.
    void AddUnrelatedInterfaces(int count);

    /// Runs at the start of every Enumerate, e.g. to change the list between
    /// two samples of the interface count.
    void SetEnumerateHook(std::function<void()> hook);

    SimulatedMouse& Mouse() { return m_mouse; }
    /// Handles opened and not yet closed.
    int OpenHandleCount() const;
    int EnumerateCalls() const;

private:
    struct Entry {
        HidInterfaceInfo info;
        bool isMouse = false;
        bool routesToMouse = false;
    };

    SimulatedMouse& m_mouse;
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries;
    std::function<void()> m_enumerateHook;
    int m_nextExtra = 1;
    std::atomic<int> m_enumerateCalls{0};
    std::shared_ptr<std::atomic<int>> m_openHandles = std::make_shared<std::atomic<int>>(0);
};

}  // namespace orvex
