#include "keys/AssemblyKeyState.h"

#include <QStringList>

#include "keys/KeyFunctionCode.h"
#include "keys/KeyboardHookKey.h"
#include "keys/KeyboardTables.h"

namespace orvex {
namespace {

constexpr AssemblyModifier kModifierOrder[] = {AssemblyModifier::Ctrl, AssemblyModifier::Shift,
                                               AssemblyModifier::Alt, AssemblyModifier::Win};

constexpr int kLeftWin = 0x5B;
constexpr int kRightWin = 0x5C;
constexpr int kKeyboardCodeType = 0x02;

}  // namespace

QString AssemblyModifierWord(AssemblyModifier modifier)
{
    switch (modifier) {
    case AssemblyModifier::Ctrl: return QStringLiteral("Ctrl");
    case AssemblyModifier::Shift: return QStringLiteral("Shift");
    case AssemblyModifier::Alt: return QStringLiteral("Alt");
    case AssemblyModifier::Win: return QStringLiteral("Win");
    }
    return {};
}

void AssemblyKeyState::Reset()
{
    *this = AssemblyKeyState();
}

QString AssemblyKeyState::ModifierText() const
{
    QStringList words;
    for (const AssemblyModifier modifier : kModifierOrder) {
        if (IsTicked(modifier))
            words << AssemblyModifierWord(modifier);
    }
    return words.join(QLatin1Char('+'));
}

int AssemblyKeyState::ModifierMask() const
{
    int mask = 0;
    for (const AssemblyModifier modifier : kModifierOrder) {
        if (IsTicked(modifier))
            mask |= 1 << int(modifier);
    }
    return mask;
}

void AssemblyKeyState::KeyDown(int virtualKey, bool shiftCtrlAltHeld)
{
    if (m_keyCount == 1) {
        m_keyName.clear();
        m_previousKeyName.clear();
        m_modifierText = ModifierText();
        m_text = m_modifierText;
        m_keyCount = 0;
        m_keyUsage = 0;
    }
    if (virtualKey == kLeftWin || virtualKey == kRightWin || shiftCtrlAltHeld)
        return;

    m_keyName = VirtualKeyName(virtualKey);
    m_previousKeyName = m_keyName;
    m_text = m_text.isEmpty() ? m_keyName : m_text + QLatin1Char('+') + m_keyName;
    m_keyUsage = VirtualKeyToUsage(virtualKey);
    ++m_keyCount;
}

bool AssemblyKeyState::IsTicked(AssemblyModifier modifier) const
{
    return m_ticked[std::size_t(modifier)];
}

void AssemblyKeyState::SetModifier(AssemblyModifier modifier, bool ticked)
{
    if (IsTicked(modifier) == ticked)
        return;
    m_ticked[std::size_t(modifier)] = ticked;

    if (ticked) {
        m_modifierText = ModifierText();
        m_text = m_previousKeyName.isEmpty() ? m_modifierText
                                             : m_modifierText + QLatin1Char('+') + m_previousKeyName;
        return;
    }

    // Unticking edits the shown text in place; the modifier text itself is
    // rebuilt by the next tick or key press.
    if (m_text.isEmpty())
        return;
    const QString word = AssemblyModifierWord(modifier);
    if (m_text == word) {
        m_text.clear();
        return;
    }
    const QString part = m_text.startsWith(word) ? word + QLatin1Char('+') : QLatin1Char('+') + word;
    const qsizetype at = m_text.indexOf(part);
    if (at >= 0)
        m_text.remove(at, part.size());
}

QString AssemblyKeyState::ResultCode() const
{
    return CodeText(Byte(kKeyboardCodeType), Byte(ModifierMask()), Byte(m_keyUsage));
}

}  // namespace orvex
