#include <gtest/gtest.h>

#include "device/Supervision.h"
#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using test::Fault;
using test::PatternImage;

using Commands = std::vector<CommandCode>;

// The mouse and two unrelated interfaces, supervised as the window's timer
// would: every Tick is one timer period and one supervision step.
struct SupervisedRig {
    explicit SupervisedRig(SimFault fault = {}, const ImageBuffer& image = PatternImage())
        : rig(std::move(fault), image)
        , supervision(rig.link, rig.clock)
    {
        rig.transport.AddUnrelatedInterfaces(2);
    }

    SupervisionOutcome Tick()
    {
        rig.clock.SleepMs(kDevTimerIntervalMs);
        return supervision.DevTimerTimer();
    }

    // Up and loaded: the first timer event finds the mouse and accepts it.
    void Load()
    {
        const SupervisionOutcome outcome = Tick();
        ASSERT_EQ(outcome.action, SupervisionAction::Searched);
        ASSERT_TRUE(outcome.identity.has_value());
        ASSERT_EQ(outcome.identity->result, IdentityResult::Accepted);
        rig.Log().Clear();
    }

    test::SimRig rig;
    Supervision supervision;
};

ImageBuffer ImageWithIdentity(Byte vendor, Byte product)
{
    ImageBuffer image = PatternImage();
    image[0x36] = vendor;
    image[0x37] = product;
    return image;
}

// ---- searching ----------------------------------------------------------

TEST(SupervisionSearch, WithoutAMouseTheLossIsToldOnceAfterTheFirstTimerAndTheWait)
{
    SupervisedRig s;
    s.rig.mouse.Unplug();

    const SupervisionOutcome first = s.Tick();
    EXPECT_EQ(first.action, SupervisionAction::Searched);
    EXPECT_EQ(first.deviceLostCalls, 1);
    EXPECT_FALSE(first.mouseOpened);
    EXPECT_EQ(s.rig.clock.ElapsedMs(), 3500 + 2100);
    EXPECT_EQ(s.supervision.LastHidCount(), 2);

    const SupervisionOutcome second = s.Tick();
    EXPECT_EQ(second.action, SupervisionAction::NoChange);
    EXPECT_EQ(second.deviceLostCalls, 0);
    EXPECT_TRUE(s.rig.Log().Records().empty());
}

TEST(SupervisionSearch, APluggedMouseIsOpenedTheWaitAfterTheTimerThatSeesIt)
{
    SupervisedRig s;
    s.rig.mouse.Unplug();
    s.Tick();  // no mouse yet
    s.rig.mouse.PlugIn();

    const qint64 timerEvent = s.rig.clock.NowMs() + kDevTimerIntervalMs;
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.action, SupervisionAction::Searched);
    EXPECT_EQ(outcome.deviceLostCalls, 0);
    ASSERT_TRUE(outcome.mouseOpened);
    ASSERT_TRUE(outcome.identity.has_value());
    EXPECT_EQ(outcome.identity->result, IdentityResult::Accepted);
    EXPECT_TRUE(outcome.identity->fullReadFollows);
    EXPECT_EQ(s.rig.Log().SetTimes(CommandCode::BeginCmd), std::vector<qint64>{timerEvent + 2100});
    EXPECT_EQ(s.rig.link.OpenVendorId(), kMouseVendorId);
    EXPECT_EQ(s.rig.link.DeviceVersion(), kMouseReleaseNumber);
    EXPECT_EQ(s.supervision.LastHidCount(), 3);
}

TEST(SupervisionSearch, PairsWithAZeroMemberAreSkipped)
{
    SupervisedRig s;
    s.rig.link.SetDeviceTarget(0, {kMouseVendorId, 0});
    s.rig.link.SetDeviceTarget(1, {kMouseVendorId, kMouseProductId});
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_TRUE(outcome.mouseOpened);
    EXPECT_EQ(outcome.deviceLostCalls, 0);
    // One wait only: the skipped pair is not waited for.
    EXPECT_EQ(s.rig.Log().SetTimes(CommandCode::BeginCmd).front(), 3500 + 2100);
}

TEST(SupervisionSearch, AFailingFirstPairIsLostAndTheSecondTried)
{
    SupervisedRig s;
    s.rig.link.SetDeviceTarget(0, {0x1111, 0x2222});
    s.rig.link.SetDeviceTarget(1, {kMouseVendorId, kMouseProductId});
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.deviceLostCalls, 1);
    EXPECT_TRUE(outcome.mouseOpened);
    EXPECT_EQ(s.rig.Log().SetTimes(CommandCode::BeginCmd).front(), 3500 + 2 * 2100);
}

// ---- sampling the count ------------------------------------------------

// Makes double sample i agree or not by adding an interface between its two
// enumerations.
void ScriptSamples(SupervisedRig& s, std::vector<bool> agree)
{
    auto calls = std::make_shared<int>(0);
    s.rig.transport.SetEnumerateHook([&s, calls, agree] {
        const int call = (*calls)++;
        const int sample = call / 2;
        if (call % 2 == 1 && sample < static_cast<int>(agree.size()) && !agree[sample])
            s.rig.transport.AddUnrelatedInterfaces(1);
    });
}

TEST(SupervisionSampling, AFlickeringCountChangesNothing)
{
    SupervisedRig s;
    bool extra = false;
    s.rig.transport.SetEnumerateHook([&] {
        extra = !extra;
        if (extra)
            s.rig.transport.AddInterface({QStringLiteral("sim:flicker"), 1, 2, 3, 0});
        else
            s.rig.transport.RemoveInterface(QStringLiteral("sim:flicker"));
    });
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.action, SupervisionAction::NoChange);
    EXPECT_EQ(outcome.agreeingSamples, 0);
    EXPECT_EQ(s.supervision.LastHidCount(), 0);
    EXPECT_FALSE(s.rig.link.IsOpen());
    EXPECT_EQ(s.rig.clock.ElapsedMs(), 3500);
}

TEST(SupervisionSampling, TwoAgreeingDoubleSamplesOfFiveAreEnough)
{
    struct Case {
        std::vector<bool> agree;
        bool acts;
    };
    const Case cases[] = {
        {{false, false, false, true, true}, true},
        {{true, false, true, false, false}, true},
        {{false, false, false, false, true}, false},
        {{false, false, false, false, false}, false},
    };
    for (const Case& c : cases) {
        SupervisedRig s;
        ScriptSamples(s, c.agree);
        const SupervisionOutcome outcome = s.Tick();
        EXPECT_EQ(outcome.action != SupervisionAction::NoChange, c.acts);
        EXPECT_EQ(outcome.agreeingSamples, static_cast<int>(std::count(c.agree.begin(), c.agree.end(), true)));
    }
}

TEST(SupervisionSampling, TheNewCountIsTheFirstHalfOfTheLastDoubleSample)
{
    SupervisedRig s;
    // Samples 1..4 agree; the last one sees an interface appear in its second
    // half, which the count does not take yet.
    ScriptSamples(s, {true, true, true, true, false});
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.sampledCount, 3);
    EXPECT_EQ(s.supervision.LastHidCount(), 3);
}

// ---- a mouse that is open ------------------------------------------------

TEST(SupervisionOpenMouse, AnUnrelatedDeviceGoingAwayChangesNothing)
{
    SupervisedRig s;
    s.Load();
    ASSERT_TRUE(s.rig.transport.RemoveInterface(QStringLiteral("sim:extra1")));
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.action, SupervisionAction::DropIgnored);
    EXPECT_EQ(outcome.deviceLostCalls, 0);
    EXPECT_TRUE(s.rig.link.IsOpen());
    EXPECT_TRUE(s.rig.Log().Records().empty());
    EXPECT_EQ(s.supervision.LastHidCount(), 2);
}

TEST(SupervisionOpenMouse, ANewDeviceDoesNotReopenOrReread)
{
    SupervisedRig s;
    s.Load();
    s.rig.transport.AddUnrelatedInterfaces(1);
    const qint64 before = s.rig.clock.NowMs();
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.action, SupervisionAction::RiseIgnored);
    EXPECT_FALSE(outcome.identity.has_value());
    EXPECT_TRUE(s.rig.Log().Records().empty());
    EXPECT_EQ(s.rig.clock.NowMs(), before + kDevTimerIntervalMs);  // no 2.1 s wait
    EXPECT_EQ(s.supervision.LastHidCount(), 4);
}

TEST(SupervisionOpenMouse, UnpluggingTheMouseLosesItAndReplugFindsItAgain)
{
    SupervisedRig s;
    s.Load();
    s.rig.mouse.Unplug();
    const SupervisionOutcome lost = s.Tick();
    EXPECT_EQ(lost.action, SupervisionAction::MouseLost);
    EXPECT_EQ(lost.deviceLostCalls, 1);
    EXPECT_FALSE(s.rig.link.IsOpen());
    EXPECT_EQ(s.rig.link.OpenVendorId(), 0u);
    EXPECT_EQ(s.rig.transport.OpenHandleCount(), 0);

    s.rig.mouse.PlugIn();
    const SupervisionOutcome found = s.Tick();
    EXPECT_EQ(found.action, SupervisionAction::Searched);
    ASSERT_TRUE(found.identity.has_value());
    EXPECT_EQ(found.identity->result, IdentityResult::Accepted);
}

TEST(SupervisionOpenMouse, ADropWithNoMouseOpenChangesNothing)
{
    SupervisedRig s;
    s.rig.mouse.Unplug();
    s.Tick();
    s.rig.transport.RemoveInterface(QStringLiteral("sim:extra2"));
    const SupervisionOutcome outcome = s.Tick();
    EXPECT_EQ(outcome.action, SupervisionAction::DropIgnored);
    EXPECT_EQ(outcome.deviceLostCalls, 0);
    EXPECT_EQ(s.supervision.LastHidCount(), 1);
}

TEST(SupervisionOpenMouse, ARefusedIdentityKeepsTheHandleAndANewDeviceLeavesItAlone)
{
    SupervisedRig s(Fault(QStringLiteral("identity=3,7")));
    const SupervisionOutcome first = s.Tick();
    ASSERT_TRUE(first.identity.has_value());
    EXPECT_EQ(first.identity->message, DeviceMessage::Str107);
    EXPECT_TRUE(s.rig.link.IsOpen());

    s.rig.Log().Clear();
    s.rig.transport.AddUnrelatedInterfaces(1);
    EXPECT_EQ(s.Tick().action, SupervisionAction::RiseIgnored);
    EXPECT_TRUE(s.rig.Log().Records().empty());
}

TEST(SupervisionBusy, ATimerEventDuringAStepReturnsAtOnce)
{
    SupervisedRig s;
    std::vector<SupervisionAction> nested;
    s.supervision.SetWaitHook([&] { nested.push_back(s.supervision.DevTimerTimer().action); });
    s.Tick();
    ASSERT_EQ(nested.size(), 21u);
    EXPECT_EQ(nested.front(), SupervisionAction::Busy);
    EXPECT_EQ(std::count(nested.begin(), nested.end(), SupervisionAction::Busy), 21);
    EXPECT_FALSE(s.supervision.IsBusy());
}

// ---- the identity check ---------------------------------------------------

struct IdentityCase {
    const char* name;
    const char* fault;
    Byte vendorByte;
    Byte productByte;
    IdPair reservePair;
    IdentityResult result;
    DeviceMessage message;
    bool handleOpenAfter;
    Commands commands;
};

void PrintTo(const IdentityCase& c, std::ostream* os)
{
    *os << c.name;
}

class SupervisionIdentity : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(SupervisionIdentity, DecidesAndSendsWhatTheBranchNeeds)
{
    const IdentityCase& c = GetParam();
    test::SimRig rig(Fault(QString::fromLatin1(c.fault)), ImageWithIdentity(c.vendorByte, c.productByte));
    Supervision supervision(rig.link, rig.clock);
    supervision.SetFactoryIdPair({255, 255});
    supervision.SetReserveIdPair(c.reservePair);
    ASSERT_TRUE(rig.Open());

    const IdentityOutcome outcome = supervision.ReadDevInfo();
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.fullReadFollows, c.result == IdentityResult::Accepted);
    EXPECT_EQ(rig.link.IsOpen(), c.handleOpenAfter);
    EXPECT_EQ(outcome.handleDropped, !c.handleOpenAfter);
    EXPECT_EQ(rig.Log().Commands(), c.commands);
}

using C = CommandCode;
const Commands kAccepted{C::BeginCmd, C::StatusCmd, C::ReadStartCmd, C::ReadDataCmd};
const Commands kMismatch{C::BeginCmd,    C::StatusCmd,       C::ReadStartCmd,
                         C::ReadDataCmd, C::SystemReloadCmd, C::EndCmd};
const Commands kRefused{C::BeginCmd, C::StatusCmd, C::SystemReloadCmd, C::EndCmd};
const IdPair kNoReserve{0, 0};

INSTANTIATE_TEST_SUITE_P(
    Branches, SupervisionIdentity,
    ::testing::Values(
        IdentityCase{"Generic", "", 255, 255, kNoReserve, IdentityResult::Accepted, DeviceMessage::None, true,
                     kAccepted},
        IdentityCase{"Foreign", "", 3, 7, kNoReserve, IdentityResult::IdentityMismatch, DeviceMessage::Str107, true,
                     kMismatch},
        IdentityCase{"Reserve", "", 3, 7, IdPair{3, 7}, IdentityResult::Accepted, DeviceMessage::None, true,
                     kAccepted},
        IdentityCase{"HalfAPair", "", 3, 255, IdPair{3, 7}, IdentityResult::IdentityMismatch, DeviceMessage::Str107,
                     true, kMismatch},
        IdentityCase{"FaultIdentity", "identity=3,7", 255, 255, kNoReserve, IdentityResult::IdentityMismatch,
                     DeviceMessage::Str107, true, kMismatch},
        IdentityCase{"Chip35", "chip=0x35", 255, 255, kNoReserve, IdentityResult::NotAccepted, DeviceMessage::Str020,
                     false, kRefused},
        IdentityCase{"ChipFD", "chip=0xFD", 255, 255, kNoReserve, IdentityResult::NotAccepted, DeviceMessage::Str020,
                     false, kRefused},
        IdentityCase{"NotReady", "not-ready", 255, 255, kNoReserve, IdentityResult::NotAccepted,
                     DeviceMessage::Str020, false, kRefused},
        IdentityCase{"WrongSignature", "signature=0x00", 255, 255, kNoReserve, IdentityResult::WrongSignature,
                     DeviceMessage::None, true, Commands{C::BeginCmd, C::StatusCmd}},
        IdentityCase{"Silent", "silent", 255, 255, kNoReserve, IdentityResult::NoAnswer, DeviceMessage::None, true,
                     Commands(5, C::BeginCmd)},
        // A failed identity read must not pass for the generic 255/255.
        IdentityCase{"UnreadableIdentity", "nak-chunk=1", 255, 255, kNoReserve, IdentityResult::IdentityReadFailed,
                     DeviceMessage::Str020, false,
                     Commands{C::BeginCmd, C::StatusCmd, C::ReadStartCmd, C::ReadDataCmd, C::ReadDataCmd,
                              C::ReadDataCmd, C::ReadDataCmd, C::ReadDataCmd, C::SystemReloadCmd, C::EndCmd}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SupervisionIdentityBytes, AreKeptAndReported)
{
    test::SimRig rig({}, ImageWithIdentity(3, 7));
    Supervision supervision(rig.link, rig.clock);
    ASSERT_TRUE(rig.Open());
    const IdentityOutcome outcome = supervision.ReadDevInfo();
    EXPECT_TRUE(outcome.identityRead);
    EXPECT_EQ(outcome.identityBytes, (std::array<Byte, 2>{3, 7}));
    EXPECT_EQ(supervision.IdentityBytes(), (std::array<Byte, 2>{3, 7}));
    EXPECT_TRUE(outcome.readyFlag);
    EXPECT_EQ(outcome.chipCode, 0x99);
}

TEST(SupervisionMessages, KeysOfTheLanguageTable)
{
    EXPECT_EQ(DeviceMessageKey(DeviceMessage::None), QString());
    EXPECT_EQ(DeviceMessageKey(DeviceMessage::Str020), QStringLiteral("Str020"));
    EXPECT_EQ(DeviceMessageKey(DeviceMessage::Str100), QStringLiteral("Str100"));
    EXPECT_EQ(DeviceMessageKey(DeviceMessage::Str107), QStringLiteral("Str107"));
}

}  // namespace
}  // namespace orvex
