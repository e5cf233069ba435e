// Qt's keys, modifiers and mouse buttons as the button's inputs code them.
#include "button/qt/input_codes.h"

#include <QList>
#include <array>
#include <utility>

#include "common/cp1251.h"

namespace torvel {

namespace {

// Keys whose code is not their character.
constexpr std::pair<int, std::int16_t> kNamedKeys[] = {
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},      {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},         {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},        {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},        {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},       {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},       {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},   {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},  {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},        {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
};

// Symbols typed with Shift on the digit keys, from 0 to 9.
constexpr std::array<int, 10> kShiftedDigits = {
    Qt::Key_ParenRight, Qt::Key_Exclam,      Qt::Key_At,        Qt::Key_NumberSign, Qt::Key_Dollar,
    Qt::Key_Percent,    Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,   Qt::Key_ParenLeft,
};

// The keys of the Russian layout's letters А..Я (U+0410..U+042F), coded as
// the Latin keys they share.
constexpr std::array<std::int16_t, 32> kRussianLetterKeys = {
    'F', 188, 'D', 'U', 'L', 'T', 186, 'P', 'B', 'Q', 'R', 'K', 'V', 'Y', 'J', 'G',
    'H', 'C', 'N', 'E', 'A', 219, 'W', 'X', 'I', 'O', 221, 'S', 'M', 222, 190, 'Z',
};

}  // namespace

std::int16_t MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

std::int16_t MouseButtonsCode(Qt::MouseButtons buttons) {
    std::int16_t code = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons.testFlag(button)) code = static_cast<std::int16_t>(code + MouseButtonCode(button));
    }
    return code;
}

std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
    std::int16_t state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state += 1;
    if (modifiers.testFlag(Qt::ControlModifier)) state += 2;
    if (modifiers.testFlag(Qt::AltModifier)) state += 4;
    return state;
}

std::int16_t KeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        // On the numeric keypad the digits have codes of their own.
        const int digit = qtKey - Qt::Key_0;
        return static_cast<std::int16_t>(modifiers.testFlag(Qt::KeypadModifier) ? 96 + digit : '0' + digit);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        switch (qtKey) {
            case Qt::Key_Asterisk:
                return 106;
            case Qt::Key_Plus:
                return 107;
            case Qt::Key_Minus:
                return 109;
            case Qt::Key_Period:
            case Qt::Key_Comma:
                return 110;
            case Qt::Key_Slash:
                return 111;
            default:
                break;
        }
    }
    for (int digit = 0; digit < 10; ++digit) {
        if (kShiftedDigits[static_cast<std::size_t>(digit)] == qtKey) return static_cast<std::int16_t>('0' + digit);
    }
    if (qtKey >= 0x410 && qtKey <= 0x42F) return kRussianLetterKeys[static_cast<std::size_t>(qtKey - 0x410)];
    if (qtKey >= 0x430 && qtKey <= 0x44F) return kRussianLetterKeys[static_cast<std::size_t>(qtKey - 0x430)];
    if (qtKey == 0x401 || qtKey == 0x451) return 192;  // Ё shares its key with `
    for (const auto& [key, code] : kNamedKeys) {
        if (key == qtKey) return code;
    }
    return 0;
}

std::optional<std::int16_t> KeyAscii(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    const char32_t code = text.toUcs4().value(0);
    const std::optional<unsigned char> byte = UnicodeToCp1251(code);
    if (!byte) return std::nullopt;
    return static_cast<std::int16_t>(*byte);
}

}  // namespace torvel
