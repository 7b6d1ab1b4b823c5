// A hostile mouse: every answer to a get-feature call comes from the fuzz
// input, driven through the DeviceLink (commands, chunks, block read and
// write, key poll), the identity check and the flows (read, apply with its
// verification, macro-area write) on a virtual clock. Nothing may crash or
// hang, and every flow must stay within the exchanges the protocol allows.
//
// Input: byte 0 holds flags (bit 0: start over at byte 1 when the input runs
// out, so long transfers can be reached; otherwise every further call
// fails). Then each get-feature call takes one control byte (0xF0 and above:
// the call fails) and the 8 bytes of the answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "config/FactoryImages.h"
#include "device/DeviceLink.h"
#include "device/ReadFlows.h"
#include "device/Supervision.h"
#include "device/WriteFlows.h"

namespace {

using namespace orvex;

constexpr int kAnswerBytes = 1 + kFeatureReportSize;

class AnswerStream {
public:
    AnswerStream(const std::uint8_t* data, std::size_t size)
        : m_data(data + (size > 0 ? 1 : 0))
        , m_size(size > 0 ? size - 1 : 0)
        , m_cycle(size > 0 && (data[0] & 1) != 0)
    {
    }

    // The next answer; false when the call is to fail.
    bool Next(FeatureReport& report)
    {
        if (m_size < std::size_t(kAnswerBytes))
            return false;
        if (m_position + kAnswerBytes > m_size) {
            if (!m_cycle)
                return false;
            m_position = 0;
        }
        const std::uint8_t control = m_data[m_position];
        for (int i = 0; i < kFeatureReportSize; ++i)
            report[i] = m_data[m_position + 1 + i];
        m_position += kAnswerBytes;
        return control < 0xF0;
    }

    // A byte of the input for choosing parameters; 0 when there is none.
    std::uint8_t Pick(std::size_t index) const { return m_size > 0 ? m_data[index % m_size] : 0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    bool m_cycle;
    std::size_t m_position = 0;
};

// Virtual time that only moves on sleeps, without the thread yield of the
// tests' VirtualClock: the fuzzer runs one thread.
class FuzzClock final : public Clock {
public:
    void SleepMs(int ms) override
    {
        if (ms > 0)
            m_nowMs += ms;
    }
    qint64 NowMs() const override { return m_nowMs; }

private:
    qint64 m_nowMs = 0;
};

struct CallCounts {
    long sets = 0;
    long gets = 0;
};

class HostileHandle final : public HidDeviceHandle {
public:
    HostileHandle(AnswerStream& stream, CallCounts& counts)
        : m_stream(stream)
        , m_counts(counts)
    {
    }
    bool SetFeature(const FeatureReport&) override
    {
        ++m_counts.sets;
        return true;
    }
    bool GetFeature(FeatureReport& report) override
    {
        ++m_counts.gets;
        return m_stream.Next(report);
    }

private:
    AnswerStream& m_stream;
    CallCounts& m_counts;
};

class HostileTransport final : public HidTransport {
public:
    HostileTransport(AnswerStream& stream, CallCounts& counts)
        : m_stream(stream)
        , m_counts(counts)
    {
    }
    std::vector<HidInterfaceInfo> Enumerate() override
    {
        return {HidInterfaceInfo{QStringLiteral("hostile"), kMouseVendorId, kMouseProductId, kMouseReleaseNumber,
                                 kMouseFeatureReportLength}};
    }
    std::unique_ptr<HidDeviceHandle> Open(const QString&) override
    {
        return std::make_unique<HostileHandle>(m_stream, m_counts);
    }

private:
    AnswerStream& m_stream;
    CallCounts& m_counts;
};

// What one exchange may cost at most: a command or data chunk is sent 5
// times and read 5 times per send, the key poll 10 and 10; each attempt
// waits at most 10 ms + 5 × 10 ms (the key poll 5 ms + 10 × 5 ms).
constexpr long kSetsPerExchange = 10;
constexpr long kGetsPerExchange = 100;
constexpr qint64 kMsPerExchange = 10 * 60;

// Exchanges of each flow when every step is taken.
constexpr long kFullReadExchanges = 1 + 342 + 2;
constexpr long kVerifyExchanges = 2 + (1 + 43) + (1 + 43) + 1 + (1 + 43) + 2;
constexpr long kApplyExchanges = 2 + 1 + 342 + 2 + kVerifyExchanges;
constexpr long kMacroAreaExchanges = 2 + 1 + 299 + 2;
constexpr long kIdentityExchanges = 2 + 1 + 1 + 2;

class Bounded {
public:
    Bounded(CallCounts& counts, FuzzClock& clock, long exchanges)
        : m_counts(counts)
        , m_clock(clock)
        , m_exchanges(exchanges)
        , m_start(counts)
        , m_startMs(clock.NowMs())
    {
    }
    ~Bounded()
    {
        if (m_counts.sets - m_start.sets > kSetsPerExchange * m_exchanges
            || m_counts.gets - m_start.gets > kGetsPerExchange * m_exchanges
            || m_clock.NowMs() - m_startMs > kMsPerExchange * m_exchanges)
            std::abort();
    }

private:
    CallCounts& m_counts;
    FuzzClock& m_clock;
    long m_exchanges;
    CallCounts m_start;
    qint64 m_startMs;
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ImageBuffer kImage = LoadFactoryImage(1);

    AnswerStream stream(data, size);
    CallCounts counts;
    FuzzClock clock;
    HostileTransport transport(stream, counts);
    DeviceLink link(transport, clock);
    quint32 release = kMouseReleaseNumber;
    Check(link.OpenDevice(kMouseVendorId, kMouseProductId, release));

    {
        Bounded bound(counts, clock, 6);
        link.SendCommand(CommandCode::BeginCmd);
        link.SendCommand(CommandCode::StatusCmd);
        link.TakeStatusAnswer();
        link.SendDataChunk({1, 2, 3, 4, 5, 6});
        link.FetchDataChunk();
        link.PollKeyState();
    }
    {
        // A block anywhere in the 16-bit address space, of up to 300 bytes.
        const int address = stream.Pick(1) * 256 + stream.Pick(2);
        const int length = (stream.Pick(3) * 7 + stream.Pick(4)) % 301;
        std::vector<Byte> buffer(std::size_t(length), 0x5A);
        Bounded bound(counts, clock, 2 * (1 + ChunkCount(length)));
        link.ReadBlock(address, length, buffer, length - 1);
        link.WriteBlock(address, length, buffer);
    }
    {
        Supervision supervision(link, clock);
        Bounded bound(counts, clock, kIdentityExchanges + kFullReadExchanges);
        const FlowOutcome read = ReadMouse(supervision, link);
        Check(read.Succeeded() == read.image.has_value());
    }
    if (!link.IsOpen()) {
        release = kMouseReleaseNumber;
        Check(link.OpenDevice(kMouseVendorId, kMouseProductId, release));
    }
    {
        Bounded bound(counts, clock, kFullReadExchanges);
        const FlowOutcome read = FullRead(link);
        Check(read.Succeeded() == read.image.has_value());
    }
    {
        Bounded bound(counts, clock, kApplyExchanges);
        const FlowOutcome apply = DownloadParameter(link, kImage);
        Check(!apply.Succeeded() || apply.written);
        Check(apply.message != FlowMessage::Str109 || !apply.Succeeded());
    }
    {
        Bounded bound(counts, clock, kMacroAreaExchanges);
        MacroArea area{};
        WriteMacroArea(link, area);
    }
    return 0;
}
