// Qt's own texts (the buttons of its dialogs and of the text fields' menus)
// in Russian, whatever language the player's system speaks.
#pragma once

#include <QTranslator>
#include <memory>

namespace torvel {

// Qt's Russian translation from Qt's translations folder, installed into the
// application for as long as the result lives. Without the translation
// installed on the system the result is empty and Qt's texts stay in English.
std::unique_ptr<QTranslator> InstallQtRussian();

}  // namespace torvel
