// A button's nine events as Qt signals.
#pragma once

#include <QObject>

#include "button/host/button_events.h"

namespace torvel {

// The arguments are references: connect directly (never queued), and a
// handler may write into them as ButtonEvents describes.
class QtButtonEvents final : public QObject, public ButtonEvents {
    Q_OBJECT

public:
    using QObject::QObject;

    void Click() override { emit clicked(); }
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override { emit keyDown(KeyCode, Shift); }
    void KeyPress(std::int16_t& KeyAscii) override { emit keyPress(KeyAscii); }
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override { emit keyUp(KeyCode, Shift); }
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        emit mouseDown(Button, Shift, X, Y);
    }
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        emit mouseMove(Button, Shift, X, Y);
    }
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        emit mouseUp(Button, Shift, X, Y);
    }
    void MouseIn(std::int16_t& Shift) override { emit mouseIn(Shift); }
    void MouseOut(std::int16_t& Shift) override { emit mouseOut(Shift); }

signals:
    void clicked();
    void keyDown(qint16& keyCode, qint16& shift);
    void keyPress(qint16& keyAscii);
    void keyUp(qint16& keyCode, qint16& shift);
    void mouseDown(qint16& button, qint16& shift, float& x, float& y);
    void mouseMove(qint16& button, qint16& shift, float& x, float& y);
    void mouseUp(qint16& button, qint16& shift, float& x, float& y);
    void mouseIn(qint16& shift);
    void mouseOut(qint16& shift);
};

}  // namespace torvel
