#include <gtest/gtest.h>

#include "device/sim/SimFault.h"

namespace orvex {
namespace {

TEST(ParseSimFault, TheEmptyTextIsNoFault)
{
    const auto fault = ParseSimFault(QString());
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(*fault, SimFault{});
}

TEST(ParseSimFault, EveryKindOfFault)
{
    struct Case {
        const char* text;
        std::function<bool(const SimFault&)> holds;
    };
    const Case cases[] = {
        {"silent", [](const SimFault& f) { return f.silent; }},
        {"refuse=0x55", [](const SimFault& f) { return f.refuseStatus == Byte{0x55}; }},
        {"refuse=17", [](const SimFault& f) { return f.refuseStatus == Byte{17}; }},
        {"not-ready", [](const SimFault& f) { return f.notReady; }},
        {"chip=0x35", [](const SimFault& f) { return f.controllerCode == Byte{0x35}; }},
        {"signature=0x00", [](const SimFault& f) { return f.signature == Byte{0}; }},
        {"identity=3,7", [](const SimFault& f) { return f.identity == std::pair<Byte, Byte>{3, 7}; }},
        {"corrupt-readback=once",
         [](const SimFault& f) { return f.corruptReadback == SimReadbackCorruption::Once; }},
        {"corrupt-readback=ALWAYS",
         [](const SimFault& f) { return f.corruptReadback == SimReadbackCorruption::Always; }},
        {"nak-chunk=5", [](const SimFault& f) { return f.nakChunk == 5; }},
        {"unplug-after=0", [](const SimFault& f) { return f.unplugAfter == 0; }},
        {"latency=25", [](const SimFault& f) { return f.latencyMs == 25; }},
        {"keys=0x5@1000,0@0",
         [](const SimFault& f) {
             return f.keys == std::vector<SimKeyStep>{{0, 0}, {1000, 5}};  // sorted by time
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString error;
        const auto fault = ParseSimFault(QString::fromLatin1(c.text), &error);
        ASSERT_TRUE(fault.has_value()) << error.toStdString();
        EXPECT_TRUE(c.holds(*fault));
    }
}

TEST(ParseSimFault, SeveralFaultsAtOnceWithAnySeparator)
{
    const auto fault = ParseSimFault(QStringLiteral("identity=3,7,nak-chunk=2; not-ready  keys=1@0,0@50,latency=4"));
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->identity, (std::pair<Byte, Byte>{3, 7}));
    EXPECT_EQ(fault->nakChunk, 2);
    EXPECT_TRUE(fault->notReady);
    EXPECT_EQ(fault->keys, (std::vector<SimKeyStep>{{0, 1}, {50, 0}}));
    EXPECT_EQ(fault->latencyMs, 4);
}

TEST(ParseSimFault, TheTextFormReadsBack)
{
    const auto fault = ParseSimFault(
        QStringLiteral("silent;refuse=0x55;not-ready;chip=0xFD;signature=0;identity=3,7;corrupt-readback=always;"
                       "nak-chunk=9;unplug-after=12;keys=0x101@0,0@20;latency=3"));
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(ParseSimFault(SimFaultText(*fault)), fault);
}

TEST(ParseSimFault, ABadDescriptionIsRefusedWithItsReason)
{
    struct Case {
        const char* text;
        const char* mentions;
    };
    const Case cases[] = {
        {"sillent", "sillent"},
        {"refuse", "refuse"},
        {"refuse=0xCC", "acknowledge"},
        {"refuse=0", "silent"},
        {"refuse=256", "byte"},
        {"chip=zz", "chip"},
        {"identity=3", "identity"},
        {"identity=3,7,9", "identity"},
        {"corrupt-readback=twice", "once or always"},
        {"nak-chunk=0", "nak-chunk"},
        {"unplug-after=-1", "unplug-after"},
        {"keys=5", "BITS@MS"},
        {"keys=0x10000@0", "BITS@MS"},
        {"silent=1", "no value"},
        {"=3", "missing"},
        {"7", "unknown fault"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString error;
        EXPECT_FALSE(ParseSimFault(QString::fromLatin1(c.text), &error).has_value());
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.mentions), Qt::CaseInsensitive)) << error.toStdString();
    }
}

}  // namespace
}  // namespace orvex
