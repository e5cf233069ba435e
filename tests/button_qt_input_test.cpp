// Qt's keys, modifiers and mouse buttons coded as the button's inputs.
#include <gtest/gtest.h>

#include "button/qt/input_codes.h"

namespace torvel {
namespace {

TEST(InputCodes, KeysGetTheDesktopsKeyCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::int16_t expected;
    };
    const Case cases[] = {
        {Qt::Key_Space, {}, 32},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_A, {}, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_5, {}, 53},
        {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_Percent, Qt::ShiftModifier, 53},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
        {Qt::Key_F1, {}, 112},
        {Qt::Key_F12, {}, 123},
        {Qt::Key_Left, {}, 37},
        {Qt::Key_Down, {}, 40},
        {Qt::Key_Delete, {}, 46},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Minus, {}, 189},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Comma, {}, 188},
        // The Russian layout shares the Latin keys: Ф is A, Я is Z, Б is the
        // comma key, Ё the grave accent.
        {0x424, {}, 'A'},
        {0x42F, {}, 'Z'},
        {0x431, {}, 188},
        {0x401, {}, 192},
        {0x419, {}, 'Q'},
        {Qt::Key_VolumeUp, {}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyCode(c.key, c.modifiers), c.expected) << std::hex << c.key;
}

TEST(InputCodes, TypedCharactersInTheCodePageAndModifierAndButtonCodes) {
    EXPECT_EQ(KeyAscii(QStringLiteral("a")), std::optional<std::int16_t>(97));
    EXPECT_EQ(KeyAscii(QStringLiteral("Я")), std::optional<std::int16_t>(0xDF));
    EXPECT_EQ(KeyAscii(QStringLiteral("\r")), std::optional<std::int16_t>(13));
    EXPECT_EQ(KeyAscii(QString()), std::nullopt);
    EXPECT_EQ(KeyAscii(QStringLiteral("€")), std::optional<std::int16_t>(0x88));
    EXPECT_EQ(KeyAscii(QString::fromUcs4(U"\U0001F600")), std::nullopt);

    EXPECT_EQ(ShiftState({}), 0);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ShiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);

    EXPECT_EQ(MouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(MouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(MouseButtonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(MouseButtonCode(Qt::BackButton), 0);
    EXPECT_EQ(MouseButtonsCode(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(MouseButtonsCode(Qt::NoButton), 0);
}

}  // namespace
}  // namespace torvel
