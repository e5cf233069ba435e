// Whether a font family is installed, asked of Qt's font database once.
#include "button/qt/installed_family.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>

namespace torvel {

bool IsFamilyInstalled(const QString& family) {
    static QHash<QString, bool> answers;
    // The answers belong to one application's font database.
    static QPointer<QGuiApplication> answeredFor;
    if (answeredFor != qGuiApp) {
        answers.clear();
        answeredFor = qGuiApp;
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { answers.clear(); });
    }
    const auto known = answers.constFind(family);
    if (known != answers.constEnd()) return *known;
    const bool installed = QFontDatabase::hasFamily(family);
    answers.insert(family, installed);
    return installed;
}

}  // namespace torvel
