// The state of the combination-key dialog: what the edit shows and which
// keyboard code a confirm gives.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "keys/AssemblyKeyState.h"

namespace orvex {
namespace {

constexpr int kA = 0x41;
constexpr int kB = 0x42;
constexpr int kLeftWin = 0x5B;
constexpr int kRightWin = 0x5C;
constexpr int kLeftShift = 0xA0;
constexpr int kLaunchApp1 = 0xB6;

using Step = std::function<void(AssemblyKeyState&)>;

Step Key(int virtualKey, bool held = false)
{
    return [=](AssemblyKeyState& s) { s.KeyDown(virtualKey, held); };
}
Step Tick(AssemblyModifier m)
{
    return [=](AssemblyKeyState& s) { s.SetModifier(m, true); };
}
Step Untick(AssemblyModifier m)
{
    return [=](AssemblyKeyState& s) { s.SetModifier(m, false); };
}

struct AssemblyCase {
    const char* what;
    std::vector<Step> steps;
    const char* text;
    const char* code;
};

class AssemblyKeyStateTest : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(AssemblyKeyStateTest, ShowsAndConfirms)
{
    AssemblyKeyState state;
    for (const Step& step : GetParam().steps)
        step(state);
    EXPECT_EQ(state.Text(), QString::fromLatin1(GetParam().text)) << GetParam().what;
    EXPECT_EQ(state.ResultCode(), QString::fromLatin1(GetParam().code)) << GetParam().what;
}

using M = AssemblyModifier;

INSTANTIATE_TEST_SUITE_P(
    Cases, AssemblyKeyStateTest,
    ::testing::Values(
        AssemblyCase{"nothing", {}, "", "020000"},
        AssemblyCase{"ctrl shift a", {Tick(M::Ctrl), Tick(M::Shift), Key(kA)}, "Ctrl+Shift+A", "020304"},
        AssemblyCase{"key then ticks keep the key last", {Key(kA), Tick(M::Alt), Tick(M::Ctrl)},
                     "Ctrl+Alt+A", "020504"},
        AssemblyCase{"a then b", {Key(kA), Key(kB)}, "B", "020005"},
        AssemblyCase{"a with ctrl held is ignored", {Key(kA, true)}, "", "020000"},
        AssemblyCase{"ctrl held after a removes a", {Key(kA), Key(kA, true)}, "", "020000"},
        AssemblyCase{"left win after a removes a", {Key(kA), Key(kLeftWin)}, "", "020000"},
        AssemblyCase{"right win keeps the ticked modifiers", {Tick(M::Shift), Key(kA), Key(kRightWin)},
                     "Shift", "020200"},
        AssemblyCase{"shift key itself", {Tick(M::Ctrl), Key(kB), Key(kLeftShift, true)}, "Ctrl",
                     "020100"},
        AssemblyCase{"win alone", {Tick(M::Win)}, "Win", "020800"},
        AssemblyCase{"key without usage", {Key(kLaunchApp1)}, "Launch_App1", "020000"},
        AssemblyCase{"untick the only modifier", {Tick(M::Ctrl), Untick(M::Ctrl)}, "", "020000"},
        AssemblyCase{"untick ctrl before a key", {Tick(M::Ctrl), Key(kA), Untick(M::Ctrl)}, "A", "020004"},
        AssemblyCase{"untick alt in the middle", {Tick(M::Ctrl), Tick(M::Alt), Key(kA), Untick(M::Alt)},
                     "Ctrl+A", "020104"},
        AssemblyCase{"untick the last modifier", {Tick(M::Ctrl), Tick(M::Win), Untick(M::Win)}, "Ctrl",
                     "020100"},
        AssemblyCase{"untick an unticked box changes nothing", {Key(kA), Untick(M::Shift)}, "A", "020004"},
        AssemblyCase{"key after an untick rebuilds the modifiers",
                     {Tick(M::Ctrl), Tick(M::Shift), Key(kA), Untick(M::Shift), Key(kB)}, "Ctrl+B", "020105"},
        AssemblyCase{"tick after a removed key shows no key",
                     {Key(kA), Key(kLeftWin), Tick(M::Alt)}, "Alt", "020400"}));

TEST(AssemblyKeyStateResetTest, ResetForgetsKeyAndBoxes)
{
    AssemblyKeyState state;
    state.SetModifier(M::Ctrl, true);
    state.KeyDown(kA, false);
    state.Reset();
    EXPECT_EQ(state.Text(), "");
    EXPECT_FALSE(state.IsTicked(M::Ctrl));
    EXPECT_EQ(state.ResultCode(), "020000");
    state.SetModifier(M::Shift, true);
    EXPECT_EQ(state.Text(), "Shift") << "the key before the reset does not come back";
}

}  // namespace
}  // namespace orvex
