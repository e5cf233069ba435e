// The button's surface attributes kept on a QWidget.
#include "button/qt/qt_button_surface.h"

#include <QCursor>
#include <QKeySequence>
#include <QPalette>
#include <QPixmap>
#include <atomic>

#include "button/qt/qt_font_conversion.h"
#include "button/qt/qt_image_conversion.h"
#include "button/qt/qt_system_colour.h"

namespace torvel {

namespace {

constexpr std::int16_t kDefaultPointer = 0;
constexpr std::int16_t kCustomPointer = 99;

std::int32_t NextHandle() {
    static std::atomic<std::int32_t> next{1};
    return next++;
}

// The standard pointer shapes, by pointer kind 1 to 15.
Qt::CursorShape StandardShape(std::int16_t kind) {
    static constexpr Qt::CursorShape kShapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    return kind >= 0 && kind < static_cast<std::int16_t>(std::size(kShapes)) ? kShapes[kind] : Qt::ArrowCursor;
}

}  // namespace

QtButtonSurface::QtButtonSurface(QWidget* widget) : QObject(widget), m_widget(widget), m_handle(NextHandle()) {}

bool QtButtonSurface::Enabled() const { return !m_widget->testAttribute(Qt::WA_ForceDisabled); }

void QtButtonSurface::SetEnabled(bool enabled) { m_widget->setEnabled(enabled); }

void QtButtonSurface::SetBackColour(Colour colour) {
    m_back = colour;
    QPalette palette = m_widget->palette();
    palette.setColor(QPalette::Window, QColorFromColour(colour));
    palette.setColor(QPalette::Button, QColorFromColour(colour));
    m_widget->setPalette(palette);
    emit backColourSet(colour);
}

void QtButtonSurface::SetForeColour(Colour colour) {
    m_fore = colour;
    QPalette palette = m_widget->palette();
    palette.setColor(QPalette::WindowText, QColorFromColour(colour));
    palette.setColor(QPalette::ButtonText, QColorFromColour(colour));
    m_widget->setPalette(palette);
}

void QtButtonSurface::SetFont(const FontAttributes& font) {
    m_font = font;
    m_widget->setFont(QFontFromAttributes(font));
}

void QtButtonSurface::SetPointerKind(std::int16_t kind) {
    m_pointer = kind;
    ApplyCursor();
}

void QtButtonSurface::SetCursorPicture(const Picture& picture) {
    m_cursorPicture = picture;
    ApplyCursor();
}

int QtButtonSurface::ClientWidth() const { return m_widget->width(); }

int QtButtonSurface::ClientHeight() const { return m_widget->height(); }

void QtButtonSurface::SetAccessKey(std::optional<char32_t> key) {
    delete m_accessShortcut;
    if (!key) return;
    // Qt names letter keys by their capital.
    const QString text = QString::fromUcs4(&*key, 1).toUpper();
    const QKeySequence sequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(text.at(0).unicode())));
    m_accessShortcut = new QShortcut(sequence, m_widget);
    const char32_t pressed = *key;
    connect(m_accessShortcut, &QShortcut::activated, this, [this, pressed] { emit accessKeyActivated(pressed); });
}

void QtButtonSurface::ApplyCursor() {
    const bool custom = m_pointer == kCustomPointer;
    if (m_pointer == kDefaultPointer || (custom && m_cursorPicture.image().empty())) {
        // No picture: the pointer falls back to the default shape.
        m_widget->unsetCursor();
    } else if (custom) {
        // The hand cursor's hot spot is its top left pixel.
        m_widget->setCursor(QCursor(QPixmap::fromImage(QImageFromImage(m_cursorPicture.image())), 0, 0));
    } else {
        m_widget->setCursor(QCursor(StandardShape(m_pointer)));
    }
}

}  // namespace torvel
