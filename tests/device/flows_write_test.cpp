#include <gtest/gtest.h>

#include <algorithm>

#include "device/WriteFlows.h"
#include "tests/device/FlowTraffic.h"
#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using namespace test;

// An image the mouse does not hold yet: every byte differs from PatternImage.
ImageBuffer NewImage()
{
    ImageBuffer image = PatternImage();
    for (Byte& byte : image)
        byte = static_cast<Byte>(byte ^ 0x5A);
    return image;
}

struct OpenRig : SimRig {
    explicit OpenRig(SimFault fault = {})
        : SimRig(std::move(fault))
    {
        EXPECT_TRUE(Open());
    }
};

// ---- a healthy mouse ----------------------------------------------------

TEST(ApplyTraffic, TwoTransactionsExactlyAsTheMouseExpectsThem)
{
    OpenRig rig;
    const ImageBuffer image = NewImage();

    const FlowOutcome outcome = DownloadParameter(rig.link, image);

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(outcome.message, FlowMessage::None);
    EXPECT_EQ(outcome.verification, VerifyResult::Matched);
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(rig.Log().Commands(),
              Join(Traffic({{kBegin, 1}, {kStatus, 1}, {kWriteStart, 1}, {kWriteData, 342}, {kReload, 1}, {kEnd, 1}}),
                   VerifyMatchedTraffic()));
    EXPECT_EQ(rig.Log().SentReports(kWriteStart).at(0), (FeatureReport{4, 6, 0x00, 0x00, 0x00, 0x08, 0, 0}));
    EXPECT_EQ(rig.Log().SentReports(kReadStart).at(0), (FeatureReport{4, 4, 0x00, 0x00, 0x00, 0x01, 0, 0}));
    EXPECT_EQ(rig.mouse.Eeprom(), image);
}

TEST(ApplyProgress, CountsEveryChunkOfTheWriteAndTheReadBack)
{
    OpenRig rig;
    std::vector<std::pair<int, int>> reports;
    DownloadParameter(rig.link, NewImage(), [&](int done, int total) { reports.emplace_back(done, total); });

    ASSERT_EQ(reports.size(), 342u + 43u);
    EXPECT_EQ(reports.front(), std::make_pair(1, 385));
    EXPECT_EQ(reports.back(), std::make_pair(385, 385));
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

// ---- the verification ---------------------------------------------------

TEST(ApplyVerification, ADifferentReadBackOnceIsRewrittenWithoutAMessage)
{
    OpenRig rig(Fault("corrupt-readback=once"));
    const ImageBuffer image = NewImage();
    std::pair<int, int> last;

    const FlowOutcome outcome = DownloadParameter(rig.link, image, [&](int done, int total) { last = {done, total}; });

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(outcome.message, FlowMessage::None);
    EXPECT_EQ(outcome.verification, VerifyResult::MatchedAfterRewrite);
    const Commands write
        = Traffic({{kBegin, 1}, {kStatus, 1}, {kWriteStart, 1}, {kWriteData, 342}, {kReload, 1}, {kEnd, 1}});
    const Commands verify = Traffic({{kBegin, 1},     {kStatus, 1},    {kReadStart, 1}, {kReadData, 43},
                                     {kWriteStart, 1}, {kWriteData, 43}, {kReload, 1},    {kReadStart, 1},
                                     {kReadData, 43},  {kReload, 1},    {kEnd, 1}});
    EXPECT_EQ(rig.Log().Commands(), Join(write, verify));
    EXPECT_EQ(rig.Log().SentReports(kWriteStart).at(1), (FeatureReport{4, 6, 0x00, 0x00, 0x00, 0x01, 0, 0}));
    EXPECT_EQ(rig.mouse.Eeprom(), image);
    EXPECT_EQ(last, std::make_pair(342 + 3 * 43, 342 + 3 * 43));
}

TEST(ApplyVerification, AReadBackThatStaysDifferentFailsWithStr109)
{
    OpenRig rig(Fault("corrupt-readback=always"));

    const FlowOutcome outcome = DownloadParameter(rig.link, NewImage());

    EXPECT_EQ(outcome.result, FlowResult::VerifyFailed);
    EXPECT_EQ(outcome.message, FlowMessage::Str109);
    EXPECT_EQ(outcome.verification, VerifyResult::Failed);
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(rig.Log().CountCommand(kWriteStart), 2);
    EXPECT_EQ(rig.Log().CountCommand(kReadStart), 2);
}

TEST(ApplyVerification, OnlyTheFirst256BytesAreCompared)
{
    OpenRig rig;
    ImageBuffer image = NewImage();
    DownloadParameter(rig.link, image);
    // The mouse's macro area changes behind our back; a verification of the
    // same image still matches, since only bytes 0..255 are read back.
    ImageBuffer eeprom = rig.mouse.Eeprom();
    eeprom[0x100] ^= 0xFF;
    rig.mouse.SetEeprom(eeprom);
    rig.Log().Clear();

    EXPECT_EQ(RepeatedWriteEEPROM(rig.link, image), VerifyResult::Matched);
    EXPECT_EQ(rig.Log().Commands(), VerifyMatchedTraffic());

    image[0xFF] ^= 0x01;
    EXPECT_EQ(RepeatedWriteEEPROM(rig.link, image), VerifyResult::MatchedAfterRewrite);
    EXPECT_EQ(rig.mouse.Eeprom()[0xFF], image[0xFF]);
}

// ---- a mouse that cannot take the image ---------------------------------

struct RefusingCase {
    const char* name;
    const char* fault;
    FlowResult result;
    VerifyResult verification;
    Commands traffic;
};

class ApplyRefused : public ::testing::TestWithParam<RefusingCase> {};

TEST_P(ApplyRefused, NothingIsWrittenAndTheTrafficIsAsDescribed)
{
    const RefusingCase& c = GetParam();
    OpenRig rig(Fault(QString::fromLatin1(c.fault)));
    const ImageBuffer before = rig.mouse.Eeprom();

    const FlowOutcome outcome = DownloadParameter(rig.link, NewImage());

    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.message, FlowMessage::None);
    EXPECT_EQ(outcome.verification, c.verification);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(rig.Log().Commands(), c.traffic);
    EXPECT_EQ(rig.mouse.Eeprom(), before);
}

const Commands kNotReadyTraffic = Traffic(
    {{kBegin, 1}, {kStatus, 1}, {kReload, 1}, {kEnd, 1}, {kBegin, 1}, {kStatus, 1}, {kReload, 1}, {kEnd, 1}});

INSTANTIATE_TEST_SUITE_P(
    Faults, ApplyRefused,
    ::testing::Values(
        // Not ready, or another controller: reload and end are still sent and
        // the verification runs its own check (and sends them again).
        RefusingCase{"NotReady", "not-ready", FlowResult::NotReady, VerifyResult::NotReady, kNotReadyTraffic},
        RefusingCase{"OtherController", "chip=0x35", FlowResult::NotReady, VerifyResult::NotReady, kNotReadyTraffic},
        // Silent or a wrong signature: nothing after the check.
        RefusingCase{"Silent", "silent", FlowResult::NoAnswer, VerifyResult::NotRun, Traffic({{kBegin, 5}})},
        RefusingCase{"WrongSignature", "signature=0x55", FlowResult::WrongSignature, VerifyResult::NotRun,
                     Traffic({{kBegin, 1}, {kStatus, 1}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyWithoutMouse, SendsNothingAndAsksForStr020)
{
    SimRig rig;
    const FlowOutcome outcome = DownloadParameter(rig.link, NewImage());
    EXPECT_EQ(outcome.result, FlowResult::NoMouse);
    EXPECT_EQ(outcome.message, FlowMessage::Str020);
    EXPECT_TRUE(rig.Log().Records().empty());
}

// ---- writes that do not reach the EEPROM --------------------------------

TEST(ApplyWriteFailure, AChunkBeyondTheVerifiedBytesThatIsRefusedStillFailsTheApply)
{
    // Chunk 100 lies past byte 255: the read-back matches, and only the
    // refused chunk tells that the mouse does not hold the image.
    OpenRig rig(Fault("nak-chunk=100"));
    const ImageBuffer image = NewImage();

    const FlowOutcome outcome = DownloadParameter(rig.link, image);

    EXPECT_EQ(outcome.result, FlowResult::WriteFailed);
    EXPECT_EQ(outcome.message, FlowMessage::Str109);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.verification, VerifyResult::Matched);
    // The write stops at the refused chunk (tried 5 times); the rest is the
    // end of the transaction and the verification.
    EXPECT_EQ(rig.Log().CountCommand(kWriteData), 99 + 5);
    EXPECT_EQ(rig.Log().CountCommand(kBegin), 2);
    EXPECT_NE(rig.mouse.Eeprom(), image);
}

TEST(ApplyWriteFailure, AMousePulledOutMidTransferEndsInBoundedTimeWithStr109)
{
    OpenRig rig(Fault("unplug-after=60"));

    const FlowOutcome outcome = DownloadParameter(rig.link, NewImage());

    EXPECT_EQ(outcome.result, FlowResult::WriteFailed);
    EXPECT_EQ(outcome.message, FlowMessage::Str109);
    EXPECT_EQ(outcome.verification, VerifyResult::NoAnswer);
    // The dead chunk, reload, end and the verification's BeginCmd each give
    // up after 5 attempts.
    EXPECT_EQ(rig.Log().CountSets(), 60 + 4 * 5);
    EXPECT_LT(rig.clock.ElapsedMs(), 10'000);
}

// ---- the macro-area import ----------------------------------------------

TEST(WriteMacroArea, WritesThe1792BytesAt256WithoutVerification)
{
    OpenRig rig;
    const ImageBuffer before = rig.mouse.Eeprom();
    MacroArea area{};
    for (std::size_t i = 0; i < area.size(); ++i)
        area[i] = static_cast<Byte>(i % 251);

    const FlowOutcome outcome = WriteMacroArea(rig.link, area);

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(outcome.verification, VerifyResult::NotRun);
    EXPECT_EQ(rig.Log().Commands(),
              Traffic({{kBegin, 1}, {kStatus, 1}, {kWriteStart, 1}, {kWriteData, 299}, {kReload, 1}, {kEnd, 1}}));
    EXPECT_EQ(rig.Log().SentReports(kWriteStart).at(0), (FeatureReport{4, 6, 0x00, 0x01, 0x00, 0x07, 0, 0}));
    const ImageBuffer after = rig.mouse.Eeprom();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 256, after.begin()));
    EXPECT_TRUE(std::equal(area.begin(), area.end(), after.begin() + 256));
}

TEST(WriteMacroArea, ARefusedChunkFailsWithStr109AndNotReadyWritesNothing)
{
    OpenRig naking(Fault("nak-chunk=7"));
    const FlowOutcome failed = WriteMacroArea(naking.link, MacroArea{});
    EXPECT_EQ(failed.result, FlowResult::WriteFailed);
    EXPECT_EQ(failed.message, FlowMessage::Str109);

    OpenRig notReady(Fault("not-ready"));
    const FlowOutcome refused = WriteMacroArea(notReady.link, MacroArea{});
    EXPECT_EQ(refused.result, FlowResult::NotReady);
    EXPECT_EQ(refused.message, FlowMessage::None);
    EXPECT_EQ(notReady.Log().Commands(), Traffic({{kBegin, 1}, {kStatus, 1}, {kReload, 1}, {kEnd, 1}}));
}

}  // namespace
}  // namespace orvex
