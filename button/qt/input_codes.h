// Qt's keys, modifiers and mouse buttons as the button's inputs code them.
#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace torvel {

// Mouse-button codes: 1 left, 2 right, 4 middle; 0 for any other button.
std::int16_t MouseButtonCode(Qt::MouseButton button);

// The buttons held, added up from their codes.
std::int16_t MouseButtonsCode(Qt::MouseButtons buttons);

// The shift state: 1 Shift, 2 Ctrl, 4 Alt, added up.
std::int16_t ShiftState(Qt::KeyboardModifiers modifiers);

// The key code of a key: the desktop's virtual-key numbering (Space 32,
// Enter 13, A..Z 65..90, F1 112...). Keys of the Russian layout are coded
// by the Latin key they share, shifted symbols by their key. 0 for a key
// without a code.
std::int16_t KeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The character a key press typed, in the single-byte code page, or nothing.
std::optional<std::int16_t> KeyAscii(const QString& text);

}  // namespace torvel
