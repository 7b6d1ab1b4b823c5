#pragma once

#include <QString>

#include <array>

namespace orvex {

// The four modifier boxes of the combination-key dialog; the value is the
// bit of the modifier mask of a keyboard code.
enum class AssemblyModifier { Ctrl = 0, Shift = 1, Alt = 2, Win = 3 };

// What the combination-key dialog holds while the user builds a keyboard
// code: the ticked modifier boxes, at most one key and the text the edit
// shows ("Ctrl+Shift+A"). The dialog widget only forwards events here.
class AssemblyKeyState {
public:
    // Everything empty and every box unticked (creation and "Clear").
    void Reset();

    // A key pressed in the edit, as a Windows virtual key.
    // shiftCtrlAltHeld: Shift, Ctrl or Alt is down (or is the key itself).
    // A pressed key replaces the previous one; Win and held modifiers only
    // remove it, since modifiers are chosen with the boxes.
    void KeyDown(int virtualKey, bool shiftCtrlAltHeld);

    // A box ticked or unticked by the user.
    void SetModifier(AssemblyModifier modifier, bool ticked);
    bool IsTicked(AssemblyModifier modifier) const;

    // The text of the edit.
    const QString& Text() const { return m_text; }
    // The name of the key taken, empty when none.
    const QString& KeyName() const { return m_keyName; }

    // The keyboard code of the boxes and the key: "02" + mask + usage.
    QString ResultCode() const;

private:
    QString ModifierText() const;
    int ModifierMask() const;

    std::array<bool, 4> m_ticked{};
    QString m_text;
    QString m_keyName;
    QString m_previousKeyName;
    QString m_modifierText;
    int m_keyUsage = 0;
    int m_keyCount = 0;
};

// The word a box adds to the combination text ("Ctrl", "Shift", "Alt", "Win").
QString AssemblyModifierWord(AssemblyModifier modifier);

}  // namespace orvex
