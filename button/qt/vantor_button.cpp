// VantorButton: the skinned push button as a Qt widget, hosting the button's
// model and its painter.
#include "button/qt/vantor_button.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "button/form/form_restore.h"
#include "button/qt/input_codes.h"
#include "button/qt/surface_image.h"
#include "button/qt/vantor_button_accessible.h"

namespace torvel {

namespace {

constexpr std::int16_t kLeftButton = 1;

}  // namespace

VantorButton::VantorButton(QtSoundPlayer& sound, const Picture& handCursor, QWidget* parent)
    : QWidget(parent),
      m_painter(m_text),
      m_parentBackground(this),
      m_host(this, sound),
      m_model(m_host.Host(), handCursor) {
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button held reach the model, which finds the hover
    // entry in them.
    setMouseTracking(true);
    // The whole widget is painted from the surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_painter.SetParentBackground(&m_parentBackground);
    ConnectHost();
    m_model.NewInstance();
    InstallVantorButtonAccessibility();
}

VantorButton::~VantorButton() = default;

VantorButton* VantorButton::CreateFromForm(const StoredForm& form, std::string_view instance, QtSoundPlayer& sound,
                                           const Picture& handCursor, QWidget* parent) {
    auto* button = new VantorButton(sound, handCursor, parent);
    // The instance name is what the model reads as its name in the window.
    button->setObjectName(QString::fromUtf8(instance.data(), static_cast<qsizetype>(instance.size())));
    try {
        RestoreFromForm(button->m_model, form, instance);
    } catch (...) {
        delete button;
        throw;
    }
    return button;
}

void VantorButton::ConnectHost() {
    // Direct connections throughout: the model changes its state right after
    // some repaints, and event arguments are references a handler may write.
    connect(&m_host.redraw(), &QtRedrawRequests::repaintRequested, this, &VantorButton::Repaint, Qt::DirectConnection);
    connect(&m_host.redraw(), &QtRedrawRequests::relayoutRequested, this, &VantorButton::Relayout,
            Qt::DirectConnection);
    connect(&m_host.overTimer(), &QtIntervalTimer::ticked, this, [this] { m_model.OnOverTimerTick(); });
    connect(&m_host.ambient(), &QtAmbientProperties::changed, this, [this] { m_model.OnAmbientChanged(); });
    connect(&m_host.surface(), &QtButtonSurface::accessKeyActivated, this,
            [this](char32_t key) { m_model.OnAccessKey(key); });
    // Setting the surface's back colour clears it at once, whatever colour an
    // XPToolbar hover or press left there.
    connect(&m_host.surface(), &QtButtonSurface::backColourSet, this,
            [this](Colour colour) { m_painter.SetSurfaceColour(colour); }, Qt::DirectConnection);

    QtButtonEvents& events = m_host.events();
    connect(&events, &QtButtonEvents::clicked, this, &VantorButton::Click, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::keyDown, this, &VantorButton::KeyDown, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::keyPress, this, &VantorButton::KeyPress, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::keyUp, this, &VantorButton::KeyUp, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::mouseDown, this, &VantorButton::MouseDown, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::mouseMove, this, &VantorButton::MouseMove, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::mouseUp, this, &VantorButton::MouseUp, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::mouseIn, this, &VantorButton::MouseIn, Qt::DirectConnection);
    connect(&events, &QtButtonEvents::mouseOut, this, &VantorButton::MouseOut, Qt::DirectConnection);
}

QString VantorButton::Caption() const { return QString::fromStdString(m_model.Caption()); }

void VantorButton::SetDefault(bool isDefault) {
    m_host.ambient().SetDisplayAsDefault(isDefault);
    m_model.OnAmbientChanged();
}

void VantorButton::SetParentPicture(const QImage& picture) {
    m_parentBackground.SetPicture(picture);
    Repaint();
}

void VantorButton::Repaint() {
    m_painter.Refresh(m_model.CurrentPaintInput());
    ShowSurface();
}

void VantorButton::Relayout() {
    const ResizeResult result = m_painter.Resize(m_model.CurrentPaintInput(), width(), height());
    if (result.regionBuilt && m_painter.skinRegion()) setMask(RegionToQRegion(*m_painter.skinRegion()));
    ShowSurface();
    // A side below the minimum: the new size comes back as a resize event.
    if (result.sizeCorrected) resize(result.width, result.height);
}

void VantorButton::ShowSurface() {
    m_shown = SurfaceToQImage(m_painter.surface());
    m_shownOnDevice = {};
    update();
}

void VantorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    // One device pixel to each of the button's pixels: the surface as it is.
    // Anything but an even enlargement (a rendering shrunk, stretched or
    // turned) shows it as Qt scales it.
    if (toDevice.type() != QTransform::TxScale || toDevice.m11() != toDevice.m22() || toDevice.m11() < 1.0) {
        painter.drawImage(0, 0, m_shown);
        return;
    }
    // A screen of another device pixel ratio: the painter's image in whole
    // blocks of device pixels, on the device pixels Qt gives this widget,
    // painted once for each grid and repaint.
    const DeviceGrid grid(toDevice.m11(), toDevice.dx(), toDevice.dy());
    if (m_shownOnDevice.isNull() || !(grid == m_shownGrid)) {
        m_shownOnDevice = SurfaceToQImage(m_painter.PaintForDevice(grid));
        m_shownGrid = grid;
    }
    const QTransform atDevicePixel = QTransform::fromTranslate(qRound(toDevice.dx()), qRound(toDevice.dy()));
    painter.setWorldTransform(atDevicePixel * toDevice.inverted());
    painter.drawImage(0, 0, m_shownOnDevice);
}

void VantorButton::resizeEvent(QResizeEvent*) { Relayout(); }

void VantorButton::mousePressEvent(QMouseEvent* event) {
    const std::int16_t button = MouseButtonCode(event->button());
    if (button == 0) return;
    const QPointF at = event->position();
    m_model.OnMouseDown(button, ShiftState(event->modifiers()), static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void VantorButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    m_model.OnMouseMove(MouseButtonsCode(event->buttons()), ShiftState(event->modifiers()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
}

void VantorButton::mouseReleaseEvent(QMouseEvent* event) {
    const std::int16_t button = MouseButtonCode(event->button());
    if (button == 0) return;
    const QPointF at = event->position();
    m_model.OnMouseUp(button, ShiftState(event->modifiers()), static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void VantorButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the left button double-clicks; the second press of any other
    // button is a press like the first.
    if (MouseButtonCode(event->button()) == kLeftButton) {
        m_model.OnDblClick();
    } else {
        mousePressEvent(event);
    }
}

void VantorButton::keyPressEvent(QKeyEvent* event) {
    // A held key repeats its key down, as the model expects.
    const std::int16_t code = KeyCode(event->key(), event->modifiers());
    // The KeyDown handler may delete the button, as in QAbstractButton::click.
    const QPointer<VantorButton> alive(this);
    if (code != 0) m_model.OnKeyDown(code, ShiftState(event->modifiers()));
    if (!alive) return;
    if (const std::optional<std::int16_t> ascii = KeyAscii(event->text())) m_model.OnKeyPress(*ascii);
}

void VantorButton::keyReleaseEvent(QKeyEvent* event) {
    // Qt pairs every repeat with a release; the key comes up only once.
    if (event->isAutoRepeat()) return;
    const std::int16_t code = KeyCode(event->key(), event->modifiers());
    if (code != 0) m_model.OnKeyUp(code, ShiftState(event->modifiers()));
}

void VantorButton::focusInEvent(QFocusEvent*) { m_model.OnFocusIn(); }

void VantorButton::focusOutEvent(QFocusEvent*) { m_model.OnFocusOut(); }

void VantorButton::enterEvent(QEnterEvent* event) {
    // Coming in is a move onto the button: the hover entry.
    const QPointF at = event->position();
    m_model.OnMouseMove(MouseButtonsCode(event->buttons()), ShiftState(event->modifiers()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
}

void VantorButton::leaveEvent(QEvent*) {
    // The hover timer finds the exit within its interval; look at once.
    m_model.OnOverTimerTick();
}

}  // namespace torvel
