// Qt's own texts (the buttons of its dialogs and of the text fields' menus)
// in Russian, whatever language the player's system speaks.
#include "windows/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace torvel {

std::unique_ptr<QTranslator> InstallQtRussian() {
    auto translator = std::make_unique<QTranslator>();
    // The game speaks Russian throughout, so the language is fixed rather
    // than taken from the locale.
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

}  // namespace torvel
