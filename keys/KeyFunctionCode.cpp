#include "keys/KeyFunctionCode.h"

#include <cctype>

namespace orvex {

QString HexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QString CodeText(Byte type, Byte p1, Byte p2)
{
    return HexByte(type) + HexByte(p1) + HexByte(p2);
}

QString CodeText(const KeyFunctionCode& code)
{
    return CodeText(code[0], code[1], code[2]);
}

std::optional<KeyFunctionCode> CodeBytes(const QString& codeText)
{
    if (codeText.size() != 6)
        return std::nullopt;
    for (const QChar c : codeText) {
        if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 0x7F)
            return std::nullopt;
    }
    KeyFunctionCode code{};
    for (int i = 0; i < 3; ++i)
        code[i] = static_cast<Byte>(codeText.mid(2 * i, 2).toInt(nullptr, 16));
    return code;
}

}  // namespace orvex
