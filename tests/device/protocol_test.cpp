#include <gtest/gtest.h>

#include "device/BitOps.h"
#include "device/Protocol.h"

namespace orvex {
namespace {

TEST(Protocol, StatusAnswerFields)
{
    const StatusAnswer ready = DecodeStatusAnswer({4, 0xAA, 0x04, 0x75, 0x99, 0x05, 0x01, 0xCC});
    EXPECT_EQ(ready.signature, 0xAA);
    EXPECT_TRUE(ready.ready);
    EXPECT_EQ(ready.controllerCode, 0x75);
    EXPECT_EQ(ready.keyState, 0x0105);
    // Only bit 2 of byte 2 is the ready flag.
    EXPECT_FALSE(DecodeStatusAnswer({4, 0xAA, 0xFB, 0x75, 0, 0, 0, 0xCC}).ready);
}

TEST(Protocol, ControllerCodesMapToChipCodes)
{
    struct Case {
        Byte controller;
        int chip;
    };
    for (const Case c : {Case{0x35, 0x90}, Case{0x75, 0x99}, Case{0xFD, 0x98}, Case{0x00, 0x42}, Case{0x99, 0x42}}) {
        SCOPED_TRACE(c.controller);
        EXPECT_EQ(MapControllerCode(c.controller, 0x42), c.chip);
    }
}

TEST(Protocol, ChunkCounts)
{
    struct Case {
        int length;
        int chunks;
    };
    for (const Case c : {Case{-1, 0}, Case{0, 0}, Case{1, 1}, Case{6, 1}, Case{7, 2}, Case{256, 43}, Case{1792, 299},
                         Case{2048, 342}}) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(ChunkCount(c.length), c.chunks);
    }
}

TEST(BitOps, TestSetAndClearOverAllThirtyTwoBits)
{
    static_assert(TestBit(0x4, 2) && !TestBit(0x4, 1));
    EXPECT_TRUE(TestBit(0x80000000u, 31));
    EXPECT_EQ(SetBit(0, 31), 0x80000000u);
    EXPECT_EQ(SetBit(0x10, 0), 0x11u);
    EXPECT_EQ(ClearBit(0xFFFFFFFFu, 31), 0x7FFFFFFFu);
    EXPECT_EQ(ClearBit(0x11, 4), 0x1u);
}

TEST(BitOps, AnIndexOutsideTheWordNamesNoBit)
{
    for (int n : {-1, 32, 40}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(TestBit(0xFFFFFFFFu, n));
        EXPECT_EQ(SetBit(0x5, n), 0x5u);
        EXPECT_EQ(ClearBit(0x5, n), 0x5u);
    }
}

}  // namespace
}  // namespace orvex
