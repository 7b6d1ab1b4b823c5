#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using test::Fault;
using test::PatternImage;
using test::SimRig;

using Bytes = std::vector<Byte>;

// ---- no device --------------------------------------------------------

TEST(DeviceLinkNoDevice, EveryExchangeFailsAtOnceWithoutTraffic)
{
    SimRig rig;
    ASSERT_FALSE(rig.link.IsOpen());

    EXPECT_FALSE(rig.link.SendCommand(CommandCode::BeginCmd));
    EXPECT_FALSE(rig.link.SendDataChunk({1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(rig.link.FetchDataChunk());
    EXPECT_EQ(rig.link.ChunkBufferContents(), (ChunkBuffer{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(rig.link.PollKeyState(), 0);

    Bytes destination(16, 0x11);
    EXPECT_FALSE(rig.link.ReadBlock(0, 16, destination, 15));
    EXPECT_EQ(destination, Bytes(16, 0xFF));
    const Bytes source(16, 0x22);
    EXPECT_FALSE(rig.link.WriteBlock(0, 16, source));

    EXPECT_EQ(rig.clock.ElapsedMs(), 0);
    EXPECT_TRUE(rig.Log().Records().empty());
}

TEST(DeviceLinkNoDevice, FillRulesOfTheTwoReads)
{
    SimRig rig;
    Bytes loud(4, 0x11);
    EXPECT_FALSE(rig.link.ReadBlock(0, 2, loud, 2));
    EXPECT_EQ(loud, (Bytes{0xFF, 0xFF, 0xFF, 0x11}));

    Bytes quiet(4, 0x11);
    EXPECT_FALSE(rig.link.ReadBlockQuiet(0, 2, quiet, 1));
    EXPECT_EQ(quiet, (Bytes{0xFF, 0x11, 0x11, 0x11}));
}

// ---- finding and opening ----------------------------------------------

struct InterfaceCase {
    const char* name;
    int featureLength;
    quint16 vendorId;
    quint16 productId;
    quint16 release;
    bool opens;
};

void PrintTo(const InterfaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeviceLinkOpen : public ::testing::TestWithParam<InterfaceCase> {};

TEST_P(DeviceLinkOpen, MatchesOnlyTheMouseInterface)
{
    const InterfaceCase& c = GetParam();
    SimRig rig;
    rig.transport.SetMouseInterface({SimulatedTransport::kMousePath, c.vendorId, c.productId, c.release,
                                     c.featureLength});
    quint32 release = kMouseReleaseNumber;
    EXPECT_EQ(rig.link.OpenDevice(kMouseVendorId, kMouseProductId, release), c.opens);
    EXPECT_EQ(rig.link.IsOpen(), c.opens);
    EXPECT_EQ(rig.transport.OpenHandleCount(), c.opens ? 1 : 0);
    if (c.opens) {
        EXPECT_EQ(rig.link.OpenPath(), SimulatedTransport::kMousePath);
        EXPECT_EQ(rig.link.OpenVendorId(), kMouseVendorId);
        EXPECT_EQ(rig.link.OpenProductId(), kMouseProductId);
        EXPECT_EQ(rig.link.FeatureReportLength(), 8);
        EXPECT_EQ(release, kMouseReleaseNumber);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, DeviceLinkOpen,
    ::testing::Values(InterfaceCase{"Mouse", 8, kMouseVendorId, kMouseProductId, 0x0104, true},
                      InterfaceCase{"FeatureLength7", 7, kMouseVendorId, kMouseProductId, 0x0104, false},
                      InterfaceCase{"FeatureLength9", 9, kMouseVendorId, kMouseProductId, 0x0104, false},
                      InterfaceCase{"NoFeatureReport", 0, kMouseVendorId, kMouseProductId, 0x0104, false},
                      InterfaceCase{"Release0105", 8, kMouseVendorId, kMouseProductId, 0x0105, false},
                      InterfaceCase{"Release0103", 8, kMouseVendorId, kMouseProductId, 0x0103, false},
                      InterfaceCase{"OtherVendor", 8, kMouseVendorId ^ 1, kMouseProductId, 0x0104, false},
                      InterfaceCase{"OtherProduct", 8, kMouseVendorId, kMouseProductId ^ 1, 0x0104, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceLinkOpenTwo, TheLaterMatchWinsAndTheEarlierIsClosed)
{
    SimRig rig;
    HidInterfaceInfo twin = rig.transport.MouseInterface();
    twin.path = QStringLiteral("sim:twin");

    rig.transport.AddInterface(twin, true);  // after the mouse
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.link.OpenPath(), QStringLiteral("sim:twin"));
    EXPECT_EQ(rig.transport.OpenHandleCount(), 1);

    SimRig front;
    front.transport.AddInterface(twin, true, 0);  // before the mouse
    ASSERT_TRUE(front.Open());
    EXPECT_EQ(front.link.OpenPath(), SimulatedTransport::kMousePath);
    EXPECT_EQ(front.transport.OpenHandleCount(), 1);
}

TEST(DeviceLinkOpenTwo, ANewOpenReplacesTheHandle)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.transport.OpenHandleCount(), 1);
    rig.link.CloseDevice();
    EXPECT_EQ(rig.transport.OpenHandleCount(), 0);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.link.OpenVendorId(), 0u);
}

TEST(DeviceLinkCount, CountsEveryPresentInterface)
{
    SimRig rig;
    rig.transport.AddUnrelatedInterfaces(3);
    EXPECT_EQ(rig.link.CountHidInterfaces(), 4);
    rig.mouse.Unplug();
    EXPECT_EQ(rig.link.CountHidInterfaces(), 3);
    quint32 release = kMouseReleaseNumber;
    EXPECT_FALSE(rig.link.OpenDevice(kMouseVendorId, kMouseProductId, release));
}

// ---- the acknowledged exchange ----------------------------------------

enum class Operation { Command, DataChunk, FetchChunk, KeyPoll };

bool RunOperation(DeviceLink& link, Operation operation)
{
    switch (operation) {
    case Operation::Command:
        return link.SendCommand(CommandCode::BeginCmd);
    case Operation::DataChunk:
        return link.SendDataChunk({1, 2, 3, 4, 5, 6});
    case Operation::FetchChunk:
        return link.FetchDataChunk();
    case Operation::KeyPoll:
        link.PollKeyState();
        return false;
    }
    return false;
}

struct TimingCase {
    const char* name;
    Operation operation;
    int sets;
    int gets;
    qint64 elapsedMs;
};

void PrintTo(const TimingCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeviceLinkSilentMouse : public ::testing::TestWithParam<TimingCase> {};

TEST_P(DeviceLinkSilentMouse, GivesUpAfterTheAttemptLimitAtTheExactTime)
{
    const TimingCase& c = GetParam();
    SimRig rig(Fault(QStringLiteral("silent")));
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(RunOperation(rig.link, c.operation));
    EXPECT_EQ(rig.Log().CountSets(), c.sets);
    EXPECT_EQ(rig.Log().CountGets(), c.gets);
    EXPECT_EQ(rig.clock.ElapsedMs(), c.elapsedMs);
}

// Per attempt: settle, then a poll delay after each of the reads.
INSTANTIATE_TEST_SUITE_P(Operations, DeviceLinkSilentMouse,
                         ::testing::Values(TimingCase{"SendCommand", Operation::Command, 5, 25, 5 * (10 + 5 * 10)},
                                           TimingCase{"SendDataChunk", Operation::DataChunk, 5, 25, 5 * (10 + 5 * 5)},
                                           TimingCase{"FetchDataChunk", Operation::FetchChunk, 5, 25, 5 * (5 + 5 * 5)},
                                           TimingCase{"PollKeyState", Operation::KeyPoll, 10, 100, 10 * (5 + 10 * 5)}),
                         [](const auto& info) { return std::string(info.param.name); });

class DeviceLinkRefusingMouse : public ::testing::TestWithParam<TimingCase> {};

TEST_P(DeviceLinkRefusingMouse, AsksAgainAtOnceWithoutPollDelay)
{
    const TimingCase& c = GetParam();
    SimRig rig(Fault(QStringLiteral("refuse=0x55")));
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(RunOperation(rig.link, c.operation));
    EXPECT_EQ(rig.Log().CountSets(), c.sets);
    EXPECT_EQ(rig.Log().CountGets(), c.gets);
    EXPECT_EQ(rig.clock.ElapsedMs(), c.elapsedMs);
}

INSTANTIATE_TEST_SUITE_P(Operations, DeviceLinkRefusingMouse,
                         ::testing::Values(TimingCase{"SendCommand", Operation::Command, 5, 5, 5 * 10},
                                           TimingCase{"SendDataChunk", Operation::DataChunk, 5, 5, 5 * 10},
                                           TimingCase{"FetchDataChunk", Operation::FetchChunk, 5, 5, 5 * 5},
                                           TimingCase{"PollKeyState", Operation::KeyPoll, 10, 10, 10 * (5 + 5)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceLinkExchange, AHealthyCommandIsOneSetAndOneGet)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::ReadStartCmd, 0x34, 0x01, 0x00, 0x01));
    EXPECT_EQ(rig.Log().CountSets(), 1);
    EXPECT_EQ(rig.Log().CountGets(), 1);
    EXPECT_EQ(rig.clock.ElapsedMs(), 10);
    const auto sent = rig.Log().SentReports(CommandCode::ReadStartCmd);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], (FeatureReport{4, 4, 0x34, 0x01, 0x00, 0x01, 0, 0}));
    EXPECT_EQ(rig.link.ReportBuffer()[kStatusIndex], kStatusAcknowledged);
}

TEST(DeviceLinkExchange, ASlowMouseIsPolledUntilItAcknowledges)
{
    // The status turns after 25 ms: reads at 10, 20 and 30 ms after the set.
    SimRig rig(Fault(QStringLiteral("latency=25")));
    ASSERT_TRUE(rig.Open());
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::BeginCmd));
    EXPECT_EQ(rig.Log().CountSets(), 1);
    EXPECT_EQ(rig.Log().CountGets(), 3);
    EXPECT_EQ(rig.clock.ElapsedMs(), 30);
}

TEST(DeviceLinkExchange, TheKeyPollWaitsBeforeTheSetAndBeforeEachRead)
{
    SimRig rig(Fault(QStringLiteral("keys=0x105@0")));
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.link.PollKeyState(), 0x105);
    EXPECT_EQ(rig.Log().SetTimes(CommandCode::StatusCmd), std::vector<qint64>{5});
    EXPECT_EQ(rig.clock.ElapsedMs(), 10);
}

TEST(DeviceLinkExchange, AFailedReadIsNotTakenForADataByteStatus)
{
    // Byte 7 of a WriteDataCmd report is data; 0xCC there must not pass for
    // the acknowledge when the mouse never answered.
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.Unplug();
    EXPECT_FALSE(rig.link.SendDataChunk({0, 0, 0, 0, 0, 0xCC}));
    EXPECT_EQ(rig.Log().CountSets(), 5);
}

TEST(DeviceLinkExchange, FetchDataChunkKeepsAnswerBytesOneToSeven)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    ASSERT_TRUE(rig.link.SendCommand(CommandCode::ReadStartCmd, 0x10, 0, 6, 0));
    ASSERT_TRUE(rig.link.FetchDataChunk());
    const ImageBuffer image = PatternImage();
    EXPECT_EQ(rig.link.ChunkBufferContents(),
              (ChunkBuffer{image[0x10], image[0x11], image[0x12], image[0x13], image[0x14], image[0x15], 0xCC}));
}

TEST(DeviceLinkIdentityState, TakesReadyFlagAndChipCodeFromTheStatusAnswer)
{
    SimRig rig(Fault(QStringLiteral("chip=0x35")));
    ASSERT_TRUE(rig.Open());
    ASSERT_TRUE(rig.link.SendCommand(CommandCode::StatusCmd));
    const StatusAnswer answer = rig.link.TakeStatusAnswer();
    EXPECT_EQ(answer.signature, kSignature);
    EXPECT_TRUE(rig.link.ReadyFlag());
    EXPECT_EQ(rig.link.ChipCode(), 0x90);

    // An unknown controller code leaves the chip code as it was.
    rig.mouse.SetFault(Fault(QStringLiteral("chip=0x42 not-ready")));
    ASSERT_TRUE(rig.link.SendCommand(CommandCode::StatusCmd));
    rig.link.TakeStatusAnswer();
    EXPECT_FALSE(rig.link.ReadyFlag());
    EXPECT_EQ(rig.link.ChipCode(), 0x90);
}

// ---- block transfers --------------------------------------------------

TEST(DeviceLinkReadBlock, TheWholeImageIsOneStartAnd342Chunks)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    Bytes destination(kImageSize + 2, 0x11);
    std::vector<std::pair<int, int>> progress;
    ASSERT_TRUE(rig.link.ReadBlock(0, kImageSize, destination, kImageSize - 1,
                                   [&](int done, int total) { progress.emplace_back(done, total); }));

    const ImageBuffer image = PatternImage();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), destination.begin()));
    // The last chunk carries 2 bytes; what lies beyond is not touched.
    EXPECT_EQ(destination[kImageSize], 0x11);
    EXPECT_EQ(destination[kImageSize + 1], 0x11);

    EXPECT_EQ(rig.Log().CountCommand(CommandCode::ReadStartCmd), 1);
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::ReadDataCmd), 342);
    EXPECT_EQ(rig.Log().SentReports(CommandCode::ReadStartCmd)[0], (FeatureReport{4, 4, 0, 0, 0x00, 0x08, 0, 0}));
    ASSERT_EQ(progress.size(), 342u);
    EXPECT_EQ(progress.front(), std::make_pair(1, 342));
    EXPECT_EQ(progress.back(), std::make_pair(342, 342));
}

TEST(DeviceLinkReadBlock, SmallBlocks)
{
    struct Case {
        int length;
        int dataChunks;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{6, 1}, Case{7, 2}, Case{256, 43}}) {
        SCOPED_TRACE(c.length);
        SimRig rig;
        ASSERT_TRUE(rig.Open());
        Bytes destination(std::max(c.length, 1), 0x11);
        EXPECT_TRUE(rig.link.ReadBlock(0x20, c.length, destination, c.length - 1));
        const ImageBuffer image = PatternImage();
        EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + c.length, image.begin() + 0x20));
        const std::vector<CommandCode> expected = [&] {
            std::vector<CommandCode> commands{CommandCode::ReadStartCmd};
            commands.insert(commands.end(), c.dataChunks, CommandCode::ReadDataCmd);
            return commands;
        }();
        EXPECT_EQ(rig.Log().Commands(), expected);
    }
}

TEST(DeviceLinkReadBlock, QuietReadPresetsOnlyTheFillCount)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    std::array<Byte, 2> identity{0, 0};
    EXPECT_TRUE(rig.link.ReadBlockQuiet(0x36, 2, identity, 1));
    EXPECT_EQ(identity, (std::array<Byte, 2>{255, 255}));
}

TEST(DeviceLinkReadBlock, AFailedChunkFailsTheWholeReadAndStops)
{
    // 0xFF bytes taken for data would make the section checks put defaults
    // in place, and the next apply would write them to the mouse.
    SimRig rig(Fault(QStringLiteral("nak-chunk=3")));
    ASSERT_TRUE(rig.Open());
    Bytes destination(60, 0x11);
    EXPECT_FALSE(rig.link.ReadBlock(0, 60, destination, 59));

    const ImageBuffer image = PatternImage();
    EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + 12, image.begin()));
    EXPECT_EQ(Bytes(destination.begin() + 12, destination.end()), Bytes(48, 0xFF));
    // Two good chunks, five refused attempts of the third, nothing after.
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::ReadDataCmd), 2 + 5);
}

TEST(DeviceLinkReadBlock, APulledCableEndsTheReadAtTheNextChunk)
{
    // The start and 100 chunks get through, then the mouse is gone.
    SimRig rig(Fault(QStringLiteral("unplug-after=101")));
    ASSERT_TRUE(rig.Open());
    ImageBuffer destination{};
    EXPECT_FALSE(rig.link.ReadBlock(0, kImageSize, destination, kImageSize - 1));
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::ReadDataCmd), 100 + 5);
    EXPECT_EQ(destination[599], PatternImage()[599]);
    EXPECT_EQ(destination[600], 0xFF);
    // Start 10 ms, 100 chunks of 5 ms, then one chunk's five silent attempts.
    EXPECT_EQ(rig.clock.ElapsedMs(), 10 + 100 * 5 + 5 * (5 + 5 * 5));
}

TEST(DeviceLinkReadBlock, RefusesBlocksThatDoNotFit)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    Bytes destination(8, 0x11);
    EXPECT_FALSE(rig.link.ReadBlock(0, 9, destination, 7));
    EXPECT_FALSE(rig.link.ReadBlock(0, -1, destination, 7));
    EXPECT_FALSE(rig.link.ReadBlock(0x10000, 4, destination, 7));
    EXPECT_FALSE(rig.link.ReadBlockQuiet(-1, 4, destination, 8));
    const Bytes source(4, 0);
    EXPECT_FALSE(rig.link.WriteBlock(0, 5, source));
    EXPECT_TRUE(rig.Log().Records().empty());
    // A fill index beyond the destination stops at its end.
    EXPECT_TRUE(rig.link.ReadBlock(0, 0, destination, 100));
    EXPECT_EQ(destination, Bytes(8, 0xFF));
}

TEST(DeviceLinkWriteBlock, TheMacroAreaIsOneStartAnd299Chunks)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    Bytes source(1792);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<Byte>(i * 13 + 1);
    ASSERT_TRUE(rig.link.WriteBlock(256, 1792, source));

    const std::vector<FeatureReport> starts = rig.Log().SentReports(CommandCode::WriteStartCmd);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0], (FeatureReport{4, 6, 0x00, 0x01, 0x00, 0x07, 0, 0}));
    const std::vector<FeatureReport> chunks = rig.Log().SentReports(CommandCode::WriteDataCmd);
    ASSERT_EQ(chunks.size(), 299u);
    EXPECT_EQ(chunks[0], (FeatureReport{4, 7, source[0], source[1], source[2], source[3], source[4], source[5]}));
    // The last chunk: 4 new bytes, then what the previous chunk left behind.
    EXPECT_EQ(chunks[298],
              (FeatureReport{4, 7, source[1788], source[1789], source[1790], source[1791], source[1786], source[1787]}));

    const ImageBuffer eeprom = rig.mouse.Eeprom();
    EXPECT_TRUE(std::equal(source.begin(), source.end(), eeprom.begin() + 256));
    const ImageBuffer image = PatternImage();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 256, eeprom.begin()));
}

TEST(DeviceLinkWriteBlock, ASingleShortChunkIsPaddedWith0xFF)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    ASSERT_TRUE(rig.link.WriteBlock(0x40, 4, Bytes{9, 8, 7, 6}));
    EXPECT_EQ(rig.Log().SentReports(CommandCode::WriteDataCmd),
              std::vector<FeatureReport>{(FeatureReport{4, 7, 9, 8, 7, 6, 0xFF, 0xFF})});
    EXPECT_EQ(rig.mouse.Eeprom()[0x43], 6);
    EXPECT_EQ(rig.mouse.Eeprom()[0x44], PatternImage()[0x44]);
}

TEST(DeviceLinkWriteBlock, AnUnacknowledgedChunkFailsTheWrite)
{
    // A write is good only when every chunk was taken.
    SimRig rig(Fault(QStringLiteral("nak-chunk=3")));
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(rig.link.WriteBlock(0, 60, Bytes(60, 0x42)));
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::WriteDataCmd), 2 + 5);
    EXPECT_EQ(rig.mouse.CompletedWrites(), 0);
}

TEST(DeviceLinkWriteBlock, APulledCableFailsTheWrite)
{
    SimRig rig(Fault(QStringLiteral("unplug-after=50")));
    ASSERT_TRUE(rig.Open());
    const ImageBuffer image{};
    EXPECT_FALSE(rig.link.WriteBlock(0, kImageSize, image));
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::WriteDataCmd), 49 + 5);
}

TEST(DeviceLinkWriteBlock, AnUnacknowledgedStartSendsNoData)
{
    SimRig rig(Fault(QStringLiteral("refuse=0x55")));
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(rig.link.WriteBlock(0, 12, Bytes(12, 1)));
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::WriteDataCmd), 0);
}

// ---- one lock around every exchange -----------------------------------

TEST(DeviceLinkConcurrency, KeyPollsBetweenChunksDoNotDisturbABlockRead)
{
    SimRig rig(Fault(QStringLiteral("keys=0x3@0")));
    ASSERT_TRUE(rig.Open());
    std::atomic<bool> reading{true};
    std::atomic<int> polls{0};
    std::atomic<int> wrongPolls{0};
    std::thread poller([&] {
        while (reading.load()) {
            if (rig.link.PollKeyState() != 0x3)
                ++wrongPolls;
            ++polls;
        }
    });
    ImageBuffer destination{};
    const bool read = rig.link.ReadBlock(0, kImageSize, destination, kImageSize - 1);
    reading.store(false);
    poller.join();

    EXPECT_TRUE(read);
    EXPECT_EQ(destination, PatternImage());
    EXPECT_EQ(wrongPolls.load(), 0);
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::StatusCmd), polls.load());
}

}  // namespace
}  // namespace orvex
