// The program ends with its last window.
#pragma once

class QObject;

namespace torvel {

// Makes the program end once its last window has closed, for as long as
// `owner` lives. Qt's own ending is a posted request that any window shown
// before it arrives takes back, a passing tool tip or menu too, and the
// program would then run on without any window.
void EndWithTheLastWindow(QObject* owner);

}  // namespace torvel
