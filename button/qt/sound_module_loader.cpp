// Finding and loading the sound module.
#include "button/qt/sound_module_loader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace torvel {

QString SoundModuleBesideProgram() { return QCoreApplication::applicationDirPath() + QStringLiteral("/torvel-sound"); }

std::unique_ptr<SoundOutputs> LoadSoundModule(const QString& file) {
    // The library stays loaded for the rest of the run, as its outputs need.
    QLibrary module(file);
    const auto entry = reinterpret_cast<SoundOutputsEntry>(module.resolve(kSoundOutputsEntry));
    if (entry == nullptr) {
        qWarning("Кнопки будут без звука: модуль звука не загружен: %s", qUtf8Printable(module.errorString()));
        return nullptr;
    }
    return std::unique_ptr<SoundOutputs>(entry());
}

}  // namespace torvel
