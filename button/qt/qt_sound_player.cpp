// Playing a button's sounds with Qt Multimedia.
#include "button/qt/qt_sound_player.h"

#include <QDir>

#include "button/qt/wave_file_check.h"

namespace torvel {

QString QtSoundPlayer::FilePath(const std::string& text) {
    QString path = QString::fromStdString(text);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

void QtSoundPlayer::Play(const std::string& path) {
    m_effect.stop();
    m_current.clear();
    if (path.empty()) return;
    const QString file = FilePath(path);
    if (!IsPlayableWave(file)) return;
    m_current = QUrl::fromLocalFile(file);
    // The effect loads asynchronously and starts as soon as it is loaded.
    if (m_effect.source() != m_current) m_effect.setSource(m_current);
    m_effect.play();
}

}  // namespace torvel
