#include "perf/CpiValues.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(CpiValuesTest, IndexesZeroToTenNameTheElevenValues)
{
    const struct {
        int index;
        std::optional<int> value;
    } cases[] = {{-1, std::nullopt}, {0, 500}, {4, 1600}, {7, 3200}, {10, 6400}, {11, std::nullopt},
                 {0xFF, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(CpiValue(c.index), c.value) << c.index;
    EXPECT_EQ(CpiValueList().size(), 11u);
}

TEST(NamedLedColourTest, SevenColoursInStoredOrder)
{
    EXPECT_EQ(NamedLedColour(0), (RgbColour{255, 0, 0}));
    EXPECT_EQ(NamedLedColour(2), (RgbColour{255, 255, 0}));
    EXPECT_EQ(NamedLedColour(4), (RgbColour{255, 0, 255}));
    EXPECT_EQ(NamedLedColour(6), (RgbColour{255, 255, 255}));
    EXPECT_EQ(NamedLedColour(7), std::nullopt);
    EXPECT_EQ(NamedLedColour(-1), std::nullopt);
}

}  // namespace
}  // namespace orvex
