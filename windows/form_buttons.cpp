// The skinned buttons of a window, restored from the window's stored form.
#include "windows/form_buttons.h"

#include <QFile>

#include "button/form/stored_form_parser.h"
#include "button/qt/vantor_button.h"

namespace torvel {

namespace {

// Where the stored forms and the pictures they name are compiled in.
const QString kResources = QStringLiteral(":/torvel");

StoredForm ReadForm(const QString& form, PictureLoader& pictures) {
    const QString fileName = form + QStringLiteral(".buttons");
    QFile file(kResources + QStringLiteral("/forms/") + fileName);
    // Compiled into the program: only a broken build could lack it.
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("the stored form is not built in: " + fileName.toStdString());
    return ParseStoredForm(file.readAll().toStdString(), fileName.toStdString(), pictures);
}

}  // namespace

ButtonServices::ButtonServices()
    : m_pictures(kResources),
      m_handCursor(m_pictures.Load(Picture::Type::Icon, std::string(VantorButton::kHandCursorFile))) {}

FormButtons::FormButtons(QWidget* window, const QString& form, ButtonServices& services)
    : m_window(window), m_services(services), m_form(ReadForm(form, services.pictures())) {}

VantorButton* FormButtons::Restore(const Place& place, std::function<void()> onClick) {
    VantorButton* const button =
        VantorButton::CreateFromForm(m_form, place.name, m_services.sound(), m_services.handCursor(), m_window);
    button->setGeometry(place.rect());
    QObject::connect(button, &VantorButton::Click, m_window, [onClick = std::move(onClick)] { onClick(); });
    return button;
}

}  // namespace torvel
