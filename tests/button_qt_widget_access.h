// The insides of a VantorButton, for the tests that set its properties or
// read its state and pixels; the program has only the widget's interface.
#pragma once

#include "button/qt/vantor_button.h"

namespace torvel {

class VantorButtonTestAccess {
public:
    static VantorButtonModel& Model(VantorButton& button) { return button.m_model; }
    static const ButtonPainter& Painter(const VantorButton& button) { return button.m_painter; }
};

namespace testing {

inline VantorButtonModel& ModelOf(VantorButton& button) { return VantorButtonTestAccess::Model(button); }
inline const ButtonPainter& PainterOf(const VantorButton& button) { return VantorButtonTestAccess::Painter(button); }

}  // namespace testing
}  // namespace torvel
