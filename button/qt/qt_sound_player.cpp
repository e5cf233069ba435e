// Playing a button's sounds with Qt Multimedia.
#include "button/qt/qt_sound_player.h"

#include <QDir>
#include <QMediaDevices>

#include "button/qt/wave_file_check.h"

namespace torvel {

void QtSoundPlayer::Connect() { QMediaDevices::defaultAudioOutput(); }

QString QtSoundPlayer::FilePath(const std::string& text) {
    QString path = QString::fromStdString(text);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

void QtSoundPlayer::Play(const std::string& path) {
    m_output.reset();
    m_current.clear();
    if (path.empty()) return;
    const QString file = FilePath(path);
    const std::optional<WaveSound> sound = ReadWave(file);
    if (!sound) return;
    m_current = QUrl::fromLocalFile(file);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(sound->format)) return;
    m_output = std::make_unique<QtSoundOutput>(device, *sound);
}

}  // namespace torvel
