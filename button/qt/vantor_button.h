// VantorButton: the skinned push button as a Qt widget, hosting the button's
// model and its painter.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <string_view>

#include "button/form/stored_form.h"
#include "button/model/vantor_button_model.h"
#include "button/paint/button_painter.h"
#include "button/paint/device_grid.h"
#include "button/paint/picture.h"
#include "button/qt/qt_button_host.h"
#include "button/qt/qt_sound_player.h"
#include "button/qt/qt_text_renderer.h"
#include "button/qt/widget_parent_background.h"

namespace torvel {

// The widget turns Qt's input into the model's inputs, repaints the
// painter's surface whenever the model asks, shows that surface (on a screen
// of a higher device pixel ratio, in whole blocks of device pixels with the
// caption drawn at the screen's resolution) and shapes itself with the
// painter's window shape. Needs a QApplication.
class VantorButton final : public QWidget {
    Q_OBJECT

public:
    // Where the program keeps the picture of the hand cursor, relative to
    // its assets.
    static constexpr std::string_view kHandCursorFile = VantorButtonModel::kHandCursorFile;

    // `sound` plays the sounds of every button of the program and must
    // outlive the button; `handCursor` is the picture of the hand cursor.
    // The button starts as a newly placed instance.
    VantorButton(QtSoundPlayer& sound, const Picture& handCursor, QWidget* parent = nullptr);
    ~VantorButton() override;

    // A button of `parent` restored from its window's stored form: named
    // after `instance`, with the instance's stored properties. Throws
    // DataFileError naming the form when the instance is missing or refused.
    static VantorButton* CreateFromForm(const StoredForm& form, std::string_view instance, QtSoundPlayer& sound,
                                        const Picture& handCursor, QWidget* parent);

    // The public methods.
    void Refresh() { m_model.Refresh(); }
    void GoToURL() { m_model.GoToURL(); }

    // Whether this is the default button of its window (drawn with the
    // default frame).
    void SetDefault(bool isDefault);

    // The parent window's background picture, shown under a button with
    // TransparentBG; without it the texture of the parent's window brush is
    // used.
    void SetParentPicture(const QImage& picture);

    QSize sizeHint() const override { return {120, 29}; }

    // The caption as shown (UTF-8 in the model), for assistive technology.
    QString Caption() const;

public slots:
    // Clicks the button as its access key does: for keyboard shortcuts of
    // its window and for a screen reader's press. Nothing while disabled.
    void Press() { m_model.Activate(); }

signals:
    void Click();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseIn(qint16& Shift);
    void MouseOut(qint16& Shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Tests reach the model and the painter through this class, which only
    // they define.
    friend class VantorButtonTestAccess;

    void ConnectHost();
    void Repaint();
    void Relayout();
    void ShowSurface();

    QtTextRenderer m_text;
    ButtonPainter m_painter;
    WidgetParentBackground m_parentBackground;
    QtButtonHost m_host;
    VantorButtonModel m_model;
    QImage m_shown;
    // The last repaint as shown on a screen of another device pixel ratio,
    // and the grid it was painted for; null until needed.
    QImage m_shownOnDevice;
    DeviceGrid m_shownGrid;
};

}  // namespace torvel
