#include <gtest/gtest.h>

#include "device/ReadFlows.h"
#include "tests/device/FlowTraffic.h"
#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using namespace test;

// The mouse opened and its supervision, as the window holds them.
struct ReadRig {
    explicit ReadRig(SimFault fault = {}, const ImageBuffer& image = PatternImage())
        : rig(std::move(fault), image)
        , supervision(rig.link, rig.clock)
    {
        EXPECT_TRUE(rig.Open());
    }

    SimRig rig;
    Supervision supervision;
};

const Commands kIdentityTraffic
    = Traffic({{kBegin, 1}, {kStatus, 1}, {kReadStart, 1}, {kReadData, 1}});
const Commands kFullReadTraffic = Traffic({{kReadStart, 1}, {kReadData, 342}, {kReload, 1}, {kEnd, 1}});

TEST(ReadMouse, IdentityCheckThenTheWholeImage)
{
    ReadRig r;
    std::pair<int, int> last;

    const FlowOutcome outcome = ReadMouse(r.supervision, r.rig.link, [&](int done, int total) { last = {done, total}; });

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(outcome.message, FlowMessage::None);
    ASSERT_TRUE(outcome.image.has_value());
    EXPECT_EQ(*outcome.image, PatternImage());
    ASSERT_TRUE(outcome.identity.has_value());
    EXPECT_EQ(outcome.identity->result, IdentityResult::Accepted);
    EXPECT_EQ(r.rig.Log().Commands(), Join(kIdentityTraffic, kFullReadTraffic));
    EXPECT_EQ(r.rig.Log().SentReports(kReadStart).at(1), (FeatureReport{4, 4, 0x00, 0x00, 0x00, 0x08, 0, 0}));
    EXPECT_EQ(last, std::make_pair(342, 342));
}

TEST(FullRead, AfterAnAcceptedCheckReadsAndEndsTheTransaction)
{
    ReadRig r;
    ASSERT_EQ(r.supervision.ReadDevInfo().result, IdentityResult::Accepted);
    r.rig.Log().Clear();

    const FlowOutcome outcome = FullRead(r.rig.link);

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(outcome.image, PatternImage());
    EXPECT_EQ(r.rig.Log().Commands(), kFullReadTraffic);
}

// ---- reads that fail ----------------------------------------------------

TEST(ReadFailure, ARefusedChunkFailsTheWholeReadAndGivesNoImage)
{
    // The identity read is one chunk, so chunk 5 of the full read is the
    // first one refused.
    ReadRig r(Fault("nak-chunk=5"));

    const FlowOutcome outcome = ReadMouse(r.supervision, r.rig.link);

    EXPECT_EQ(outcome.result, FlowResult::ReadFailed);
    EXPECT_EQ(outcome.message, FlowMessage::Str020);
    EXPECT_FALSE(outcome.image.has_value());
    // It stops at the refused chunk and still ends the transaction.
    EXPECT_EQ(r.rig.Log().CountCommand(kReadData), 1 + 4 + 5);
    const Commands commands = r.rig.Log().Commands();
    EXPECT_EQ(Commands(commands.end() - 2, commands.end()), Traffic({{kReload, 1}, {kEnd, 1}}));
}

TEST(ReadFailure, AMousePulledOutMidReadGivesNoImageInBoundedTime)
{
    ReadRig r(Fault("unplug-after=100"));

    const FlowOutcome outcome = ReadMouse(r.supervision, r.rig.link);

    EXPECT_EQ(outcome.result, FlowResult::ReadFailed);
    EXPECT_EQ(outcome.message, FlowMessage::Str020);
    EXPECT_FALSE(outcome.image.has_value());
    // The dead chunk, reload and end each give up after 5 attempts.
    EXPECT_EQ(r.rig.Log().CountSets(), 100 + 3 * 5);
}

// ---- identity checks that do not let the read go on ---------------------

struct RefusedCase {
    const char* name;
    const char* fault;
    FlowResult result;
    FlowMessage message;
    bool handleKept;
};

class ReadMouseRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ReadMouseRefused, NoImageAndTheMessageOfTheCheck)
{
    const RefusedCase& c = GetParam();
    ReadRig r(Fault(QString::fromLatin1(c.fault)));

    const FlowOutcome outcome = ReadMouse(r.supervision, r.rig.link);

    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_FALSE(outcome.image.has_value());
    EXPECT_TRUE(outcome.identity.has_value());
    EXPECT_EQ(r.rig.link.IsOpen(), c.handleKept);
    EXPECT_EQ(r.rig.Log().CountCommand(kReadStart), c.result == FlowResult::IdentityRefused ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadMouseRefused,
    ::testing::Values(RefusedCase{"Silent", "silent", FlowResult::NoAnswer, FlowMessage::None, true},
                      RefusedCase{"WrongSignature", "signature=0x12", FlowResult::WrongSignature, FlowMessage::None,
                                  true},
                      RefusedCase{"NotReady", "not-ready", FlowResult::NotReady, FlowMessage::Str020, false},
                      RefusedCase{"OtherController", "chip=0xFD", FlowResult::NotReady, FlowMessage::Str020, false},
                      RefusedCase{"IdentityRefused", "identity=3,7", FlowResult::IdentityRefused,
                                  FlowMessage::Str107, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadMouse, WithoutAMouseSendsNothingAndAsksForStr020)
{
    SimRig rig;
    Supervision supervision(rig.link, rig.clock);

    const FlowOutcome outcome = ReadMouse(supervision, rig.link);

    EXPECT_EQ(outcome.result, FlowResult::NoMouse);
    EXPECT_EQ(outcome.message, FlowMessage::Str020);
    EXPECT_TRUE(rig.Log().Records().empty());
}

}  // namespace
}  // namespace orvex
