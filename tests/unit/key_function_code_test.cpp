#include "keys/KeyFunctionCode.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(CodeTextTest, BytesBecomeUpperCaseHexInByteOrder)
{
    EXPECT_EQ(CodeText(0x03, 0x00, 0xCD), QStringLiteral("0300CD"));
    EXPECT_EQ(CodeText(KeyFunctionCode{0x0E, 0x07, 0x21}), QStringLiteral("0E0721"));
}

TEST(CodeTextTest, TextBecomesBytesOnlyForSixHexDigits)
{
    const struct {
        const char* text;
        std::optional<KeyFunctionCode> bytes;
    } cases[] = {
        {"0600F0", KeyFunctionCode{0x06, 0x00, 0xF0}},
        {"0300cd", KeyFunctionCode{0x03, 0x00, 0xCD}},
        {"", std::nullopt},
        {"0600F", std::nullopt},
        {"0600F00", std::nullopt},
        {"06 0F0", std::nullopt},
        {"+F00F0", std::nullopt},
        {"0G00F0", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeBytes(QString::fromLatin1(c.text)), c.bytes) << c.text;
}

}  // namespace
}  // namespace orvex
