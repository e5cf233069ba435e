// Reading a button sound's wave file into samples Qt can play.
#include "button/sound/wave_file_check.h"

#include <QFile>
#include <QtEndian>
#include <limits>

namespace torvel {

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

// The basic format fields, then the extensible form's size, valid bits,
// channel mask and the sub-format code that stands for PCM or float.
constexpr quint32 kBasicFormat = 16;
constexpr quint32 kExtensibleFormat = 40;
constexpr int kSubFormatCode = 24;

bool ReadExactly(QFile& file, char* buffer, qint64 size) { return file.read(buffer, size) == size; }

// Chunks are padded to even sizes; `read` bytes of this one are already read.
bool SkipChunk(QFile& file, quint32 size, quint32 read = 0) {
    return file.seek(file.pos() + (size - read) + (size & 1));
}

// The sink format of a format chunk, or an invalid one when Qt cannot play it.
QAudioFormat SinkFormat(const char* fmt, quint32 size) {
    auto code = qFromLittleEndian<quint16>(fmt);
    const auto channels = qFromLittleEndian<quint16>(fmt + 2);
    const auto rate = qFromLittleEndian<quint32>(fmt + 4);
    const auto bits = qFromLittleEndian<quint16>(fmt + 14);
    if (code == kExtensible) {
        if (size < kExtensibleFormat) return {};
        code = qFromLittleEndian<quint16>(fmt + kSubFormatCode);
    }
    QAudioFormat format;
    if (code == kPcm && bits == 8) format.setSampleFormat(QAudioFormat::UInt8);
    if (code == kPcm && bits == 16) format.setSampleFormat(QAudioFormat::Int16);
    if (code == kPcm && (bits == 24 || bits == 32)) format.setSampleFormat(QAudioFormat::Int32);
    if (code == kFloat && bits == 32) format.setSampleFormat(QAudioFormat::Float);
    if (rate > 0 && rate <= quint32(std::numeric_limits<int>::max())) format.setSampleRate(static_cast<int>(rate));
    format.setChannelCount(channels);
    return format;
}

// Each little-endian 24-bit sample becomes the top three bytes of a 32-bit one.
QByteArray Widen24(const QByteArray& packed) {
    QByteArray wide(packed.size() / 3 * 4, '\0');
    for (qsizetype in = 0, out = 0; in + 3 <= packed.size(); in += 3, out += 4) {
        wide[out + 1] = packed[in];
        wide[out + 2] = packed[in + 1];
        wide[out + 3] = packed[in + 2];
    }
    return wide;
}

}  // namespace

std::optional<WaveSound> ReadWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    char riff[12];
    if (!ReadExactly(file, riff, sizeof riff) || qstrncmp(riff, "RIFF", 4) != 0 || qstrncmp(riff + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    QAudioFormat format;
    int bitsPerSample = 0;
    char header[8];
    while (ReadExactly(file, header, sizeof header)) {
        const auto size = qFromLittleEndian<quint32>(header + 4);
        if (qstrncmp(header, "fmt ", 4) == 0) {
            char fmt[kExtensibleFormat] = {};
            const quint32 kept = qMin(size, kExtensibleFormat);
            if (size < kBasicFormat || !ReadExactly(file, fmt, kept)) return std::nullopt;
            format = SinkFormat(fmt, size);
            if (!format.isValid()) return std::nullopt;
            bitsPerSample = qFromLittleEndian<quint16>(fmt + 14);
            if (!SkipChunk(file, size, kept)) return std::nullopt;
        } else if (qstrncmp(header, "data", 4) == 0) {
            if (!format.isValid()) return std::nullopt;
            const int frameBytes = format.channelCount() * bitsPerSample / 8;
            QByteArray samples = file.read(size);
            samples.truncate(samples.size() - samples.size() % frameBytes);
            if (samples.isEmpty()) return std::nullopt;
            if (bitsPerSample == 24) samples = Widen24(samples);
            return WaveSound{format, samples};
        } else if (!SkipChunk(file, size)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace torvel
