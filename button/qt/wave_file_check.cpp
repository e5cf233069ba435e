// Telling in advance whether a sound file is a wave file Qt can play.
#include "button/qt/wave_file_check.h"

#include <QFile>
#include <QtEndian>

namespace torvel {

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

bool ReadExactly(QFile& file, char* buffer, qint64 size) { return file.read(buffer, size) == size; }

bool PlayableFormat(const char* fmt) {
    const auto format = qFromLittleEndian<quint16>(fmt);
    const auto channels = qFromLittleEndian<quint16>(fmt + 2);
    const auto rate = qFromLittleEndian<quint32>(fmt + 4);
    const auto bits = qFromLittleEndian<quint16>(fmt + 14);
    if (channels == 0 || rate == 0) return false;
    if (format == kPcm || format == kExtensible) return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return format == kFloat && bits == 32;
}

}  // namespace

bool IsPlayableWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    char riff[12];
    if (!ReadExactly(file, riff, sizeof riff) || qstrncmp(riff, "RIFF", 4) != 0 || qstrncmp(riff + 8, "WAVE", 4) != 0) {
        return false;
    }
    bool formatSeen = false;
    char header[8];
    while (ReadExactly(file, header, sizeof header)) {
        const auto size = qFromLittleEndian<quint32>(header + 4);
        if (qstrncmp(header, "fmt ", 4) == 0) {
            char fmt[16];
            if (size < sizeof fmt || !ReadExactly(file, fmt, sizeof fmt) || !PlayableFormat(fmt)) return false;
            formatSeen = true;
            if (!file.seek(file.pos() + (size - sizeof fmt) + (size & 1))) return false;
        } else if (qstrncmp(header, "data", 4) == 0) {
            return formatSeen && size > 0;
        } else if (!file.seek(file.pos() + size + (size & 1))) {  // chunks are padded to even sizes
            return false;
        }
    }
    return false;
}

}  // namespace torvel
