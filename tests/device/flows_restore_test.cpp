#include <gtest/gtest.h>

#include <algorithm>

#include "config/ConfigImage.h"
#include "config/FactoryImages.h"
#include "device/WriteFlows.h"
#include "tests/device/FlowTraffic.h"
#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using namespace test;

// True for the image bytes no section covers: the gaps the mouse keeps and
// the image type marker among them.
std::array<bool, kImageSize> GapMask()
{
    std::array<bool, kImageSize> gap{};
    gap.fill(true);
    for (const SectionPlace place : {layout::kParameterA, layout::kParameterB, layout::kProfile, layout::kReserved1,
                                     layout::kReserved2, layout::kReserved3, layout::kFireKey, layout::kMacroArea}) {
        std::fill_n(gap.begin() + place.offset, place.length, false);
    }
    return gap;
}

struct OpenRig : SimRig {
    OpenRig() { EXPECT_TRUE(Open()); }
};

TEST(FactoryImages, TheThreeAreLoadedInOrder)
{
    const auto images = LoadFactoryImages();
    for (int n = 1; n <= kFactoryImageCount; ++n) {
        EXPECT_EQ(images[n - 1], LoadFactoryImage(n)) << n;
        EXPECT_TRUE(IsProfileImage(images[n - 1])) << n;
    }
}

TEST(DefaultParameter, ResetRestoresFactoryImage1ByteForByteWithGapsAndMarker)
{
    OpenRig rig;
    const ImageBuffer factory = LoadFactoryImage(1);
    ASSERT_NE(rig.mouse.Eeprom(), factory);

    const FlowOutcome outcome = DefaultParameter(rig.link, 1);

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(outcome.verification, VerifyResult::Matched);
    EXPECT_EQ(outcome.image, factory);
    EXPECT_EQ(rig.mouse.Eeprom(), factory);
    EXPECT_EQ(rig.mouse.Eeprom()[layout::kImageTypeMarkerOffset], 0x99);
}

TEST(DefaultParameter, EachFactoryImageIsWrittenAsStored)
{
    for (int n = 2; n <= kFactoryImageCount; ++n) {
        OpenRig rig;
        EXPECT_TRUE(DefaultParameter(rig.link, n).Succeeded()) << n;
        EXPECT_EQ(rig.mouse.Eeprom(), LoadFactoryImage(n)) << n;
    }
}

TEST(DefaultParameter, WithoutAMouseNothingIsLoadedOrSent)
{
    SimRig rig;
    const FlowOutcome outcome = DefaultParameter(rig.link, 1);
    EXPECT_EQ(outcome.result, FlowResult::NoMouse);
    EXPECT_EQ(outcome.message, FlowMessage::Str020);
    EXPECT_FALSE(outcome.image.has_value());
    EXPECT_TRUE(rig.Log().Records().empty());
}

TEST(TLDefaultParameter, KeepsTheGapBytesOfTheCurrentImageAndZeroesTheMacroArea)
{
    OpenRig rig;
    const ImageBuffer current = PatternImage();
    ConfigImage expected;
    expected.ResetToDefaults();

    const FlowOutcome outcome = TLDefaultParameter(rig.link, current);

    ASSERT_EQ(outcome.result, FlowResult::Success);
    const ImageBuffer written = rig.mouse.Eeprom();
    EXPECT_EQ(outcome.image, written);
    const auto gap = GapMask();
    for (int i = 0; i < kImageSize; ++i) {
        if (gap[i])
            EXPECT_EQ(written[i], current[i]) << "gap byte " << i;
        else
            EXPECT_EQ(written[i], expected.buffer[i]) << "section byte " << i;
    }
    EXPECT_TRUE(std::all_of(written.begin() + layout::kMacroArea.offset, written.end(),
                            [](Byte b) { return b == 0; }));
    // The defaults pass their own checks: nothing is repaired when shown.
    ConfigImage shown;
    shown.buffer = written;
    EXPECT_FALSE(shown.SplitImage().AnyRepaired());
}

TEST(TLDefaultParameter, WithoutAMouseNothingHappensAndNoMessageIsShown)
{
    SimRig rig;
    const FlowOutcome outcome = TLDefaultParameter(rig.link, PatternImage());
    EXPECT_EQ(outcome.result, FlowResult::NoMouse);
    EXPECT_EQ(outcome.message, FlowMessage::None);
    EXPECT_TRUE(rig.Log().Records().empty());
}

TEST(MemoToDataBuf, WritesTheImageAsGivenEvenWithABrokenChecksum)
{
    OpenRig rig;
    ImageBuffer image = LoadFactoryImage(2);
    image[0x00] ^= 0x01;  // ParameterASection no longer matches its checksum
    ConfigImage shown;
    shown.buffer = image;
    ASSERT_TRUE(shown.SplitImage().parameterA);

    const FlowOutcome outcome = MemoToDataBuf_OnClick(rig.link, image);

    EXPECT_EQ(outcome.result, FlowResult::Success);
    EXPECT_EQ(rig.mouse.Eeprom(), image);
}

}  // namespace
}  // namespace orvex
