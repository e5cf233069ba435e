// Playing a button's sounds through the sound module.
#include "button/qt/qt_sound_player.h"

#include <QDir>

#include "button/qt/sound_module_loader.h"

namespace torvel {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::QtSoundPlayer(std::unique_ptr<SoundOutputs> outputs) : m_loaded(true), m_outputs(std::move(outputs)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

SoundOutputs* QtSoundPlayer::Outputs() {
    if (!m_loaded) {
        m_loaded = true;
        m_outputs = LoadSoundModule(SoundModuleBesideProgram());
    }
    return m_outputs.get();
}

void QtSoundPlayer::Connect() {
    if (SoundOutputs* outputs = Outputs()) outputs->Connect();
}

QString QtSoundPlayer::FilePath(const std::string& text) {
    QString path = QString::fromStdString(text);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

void QtSoundPlayer::Play(const std::string& path) {
    m_current.clear();
    if (path.empty()) {
        if (m_outputs) m_outputs->Stop();
        return;
    }
    const QString file = FilePath(path);
    SoundOutputs* const outputs = Outputs();
    if (outputs != nullptr && outputs->Play(file)) m_current = QUrl::fromLocalFile(file);
}

}  // namespace torvel
