// Times a full read and an Apply with verification against the simulated
// mouse on the real clock (it acknowledges at once), and sets each against
// the protocol's floor: the sum of the sleeps the exchanges actually made
// prescribe, counted in the same run. A ratio near 1 means the program adds
// next to nothing to what the protocol costs.
#include <QCoreApplication>

#include <chrono>
#include <cstdio>

#include "bench/FloorClock.h"
#include "config/FactoryImages.h"
#include "device/ReadFlows.h"
#include "device/Transaction.h"
#include "device/WriteFlows.h"
#include "device/sim/SimulatedMouse.h"
#include "device/sim/SimulatedTransport.h"

using namespace orvex;

namespace {

struct Measurement {
    double wallMs = 0;
    qint64 floorMs = 0;
    bool ok = false;

    double Ratio() const { return floorMs > 0 ? wallMs / double(floorMs) : 0.0; }
};

template <typename Flow>
Measurement Measure(bench::FloorClock& clock, Flow flow)
{
    clock.Reset();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = flow();
    const auto end = std::chrono::steady_clock::now();
    Measurement m;
    m.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    m.floorMs = clock.RequestedMs();
    m.ok = ok;
    return m;
}

void Print(const char* name, const Measurement& m)
{
    std::printf("%-6s wall %8.1f ms  floor %6lld ms  ratio %.3f%s\n", name, m.wallMs,
                static_cast<long long>(m.floorMs), m.Ratio(), m.ok ? "" : "  (FLOW FAILED)");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    RealClock realClock;
    bench::FloorClock clock(realClock);
    SimulatedMouse mouse(realClock, LoadFactoryImage(1));
    SimulatedTransport transport(mouse);
    DeviceLink link(transport, clock);
    quint32 release = kMouseReleaseNumber;
    if (!link.OpenDevice(kMouseVendorId, kMouseProductId, release)) {
        std::fprintf(stderr, "orvex71-bench-transfer: the simulated mouse could not be opened\n");
        return 1;
    }

    // The full read as the window makes it: its transaction opened first.
    const Measurement read = Measure(clock, [&] {
        if (BeginTransaction(link) != TransactionStart::Ready)
            return false;
        return FullRead(link).Succeeded();
    });
    const ImageBuffer image = LoadFactoryImage(2);
    const Measurement apply = Measure(clock, [&] { return DownloadParameter(link, image).Succeeded(); });

    Print("read", read);
    Print("apply", apply);
    std::printf("transfer ratios: read=%.3f apply=%.3f\n", read.Ratio(), apply.Ratio());
    return read.ok && apply.ok ? 0 : 1;
}
