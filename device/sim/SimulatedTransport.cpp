#include "device/sim/SimulatedTransport.h"

namespace orvex {

namespace {

class SimulatedHandle final : public HidDeviceHandle {
public:
    SimulatedHandle(SimulatedMouse* mouse, int plugGeneration, std::shared_ptr<std::atomic<int>> openHandles)
        : m_mouse(mouse)
        , m_plugGeneration(plugGeneration)
        , m_openHandles(std::move(openHandles))
    {
        ++*m_openHandles;
    }
    ~SimulatedHandle() override { --*m_openHandles; }
    SimulatedHandle(const SimulatedHandle&) = delete;
    SimulatedHandle& operator=(const SimulatedHandle&) = delete;

    bool SetFeature(const FeatureReport& report) override
    {
        // Something that is not the mouse takes the report and never answers.
        return m_mouse == nullptr || m_mouse->ReceiveReport(report, m_plugGeneration);
    }

    bool GetFeature(FeatureReport& report) override
    {
        return m_mouse != nullptr && m_mouse->AnswerReport(report, m_plugGeneration);
    }

private:
    SimulatedMouse* m_mouse;  // nullptr: an interface of another device
    int m_plugGeneration;
    std::shared_ptr<std::atomic<int>> m_openHandles;
};

}  // namespace

SimulatedTransport::SimulatedTransport(SimulatedMouse& mouse, quint16 vendorId, quint16 productId)
    : m_mouse(mouse)
{
    HidInterfaceInfo info;
    info.path = kMousePath;
    info.vendorId = vendorId;
    info.productId = productId;
    info.releaseNumber = kMouseReleaseNumber;
    info.featureReportLength = kMouseFeatureReportLength;
    m_entries.push_back({info, true, true});
}

std::vector<HidInterfaceInfo> SimulatedTransport::Enumerate()
{
    std::function<void()> hook;
    {
        std::lock_guard lock(m_mutex);
        hook = m_enumerateHook;
    }
    ++m_enumerateCalls;
    if (hook)
        hook();
    const bool mousePlugged = m_mouse.IsPlugged();
    std::lock_guard lock(m_mutex);
    std::vector<HidInterfaceInfo> interfaces;
    for (const Entry& entry : m_entries) {
        if (!entry.isMouse || mousePlugged)
            interfaces.push_back(entry.info);
    }
    return interfaces;
}

std::unique_ptr<HidDeviceHandle> SimulatedTransport::Open(const QString& path)
{
    const bool mousePlugged = m_mouse.IsPlugged();
    const int generation = m_mouse.PlugGeneration();
    std::lock_guard lock(m_mutex);
    for (const Entry& entry : m_entries) {
        if (entry.info.path != path || (entry.isMouse && !mousePlugged))
            continue;
        return std::make_unique<SimulatedHandle>(entry.routesToMouse ? &m_mouse : nullptr, generation,
                                                 m_openHandles);
    }
    return nullptr;
}

HidInterfaceInfo SimulatedTransport::MouseInterface() const
{
    std::lock_guard lock(m_mutex);
    for (const Entry& entry : m_entries) {
        if (entry.isMouse)
            return entry.info;
    }
    return {};
}

void SimulatedTransport::SetMouseInterface(const HidInterfaceInfo& info)
{
    std::lock_guard lock(m_mutex);
    for (Entry& entry : m_entries) {
        if (entry.isMouse) {
            entry.info = info;
            entry.info.path = kMousePath;
        }
    }
}

void SimulatedTransport::AddInterface(const HidInterfaceInfo& info, bool routesToMouse, int position)
{
    std::lock_guard lock(m_mutex);
    const Entry entry{info, false, routesToMouse};
    if (position < 0 || position >= static_cast<int>(m_entries.size()))
        m_entries.push_back(entry);
    else
        m_entries.insert(m_entries.begin() + position, entry);
}

bool SimulatedTransport::RemoveInterface(const QString& path)
{
    std::lock_guard lock(m_mutex);
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (!it->isMouse && it->info.path == path) {
            m_entries.erase(it);
            return true;
        }
    }
    return false;
}

void SimulatedTransport::AddUnrelatedInterfaces(int count)
{
    for (int i = 0; i < count; ++i) {
        HidInterfaceInfo info;
        {
            std::lock_guard lock(m_mutex);
            info.path = QStringLiteral("sim:extra%1").arg(m_nextExtra++);
        }
        // A keyboard: another vendor, no feature reports.
        info.vendorId = 0x1234;
        info.productId = 0x5678;
        info.releaseNumber = 0x0100;
        AddInterface(info);
    }
}

void SimulatedTransport::SetEnumerateHook(std::function<void()> hook)
{
    std::lock_guard lock(m_mutex);
    m_enumerateHook = std::move(hook);
}

int SimulatedTransport::OpenHandleCount() const
{
    return m_openHandles->load();
}

int SimulatedTransport::EnumerateCalls() const
{
    return m_enumerateCalls.load();
}

}  // namespace orvex
