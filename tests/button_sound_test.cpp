// Tests of the buttons' sounds: which wave files play, reading their samples,
// and the silence written after them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <optional>

#include "button/sound/qt_sound_output.h"
#include "button/sound/wave_file_check.h"

namespace torvel {
namespace {

QByteArray Le16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A format chunk's body; a sub-format other than 0 makes it the 40-byte
// extensible form with that sub-format code.
QByteArray Fmt(quint16 code, quint16 channels, quint32 rate, quint16 bits, quint16 subFormat = 0) {
    const quint16 frame = channels * bits / 8;
    QByteArray fmt = Le16(subFormat ? 0xFFFE : code) + Le16(channels) + Le32(rate) + Le32(rate * frame) + Le16(frame) +
                     Le16(bits);
    if (subFormat) fmt += Le16(22) + Le16(bits) + Le32(0) + Le16(subFormat) + QByteArray(14, '\x11');
    return fmt;
}

// A wave file of one format chunk and one data chunk; `declared` is the data
// chunk's size when it is to differ from the bytes that follow, and `before`
// goes between the RIFF header and the format chunk.
QByteArray WaveFile(const QByteArray& fmt, const QByteArray& data, std::optional<quint32> declared = {},
                    const QByteArray& before = {}) {
    const QByteArray body = before + "fmt " + Le32(fmt.size()) + fmt + QByteArray(fmt.size() & 1, '\0') + "data" +
                            Le32(declared.value_or(data.size())) + data;
    return "RIFF" + Le32(static_cast<quint32>(4 + body.size())) + "WAVE" + body;
}

TEST(WaveFileCheck, DecodesTheSamplesInTheFormatTheSinkTakes) {
    struct Case {
        const char* name;
        QByteArray file;
        QAudioFormat::SampleFormat sampleFormat;  // Unknown: no sound
        int channels;
        QByteArray samples;
    };
    const QByteArray pairs("\x01\x02\x03\x04\x05\x06", 6);
    const QByteArray list = QByteArray("LIST") + QByteArray("\x03\0\0\0", 4) + QByteArray("abc\0", 4);
    const Case cases[] = {
        {"8-bit mono", WaveFile(Fmt(1, 1, 8000, 8), "\x10\x80\xF0"), QAudioFormat::UInt8, 1, "\x10\x80\xF0"},
        {"16-bit stereo", WaveFile(Fmt(1, 2, 22050, 16), pairs.left(4)), QAudioFormat::Int16, 2, pairs.left(4)},
        {"24-bit widened to 32", WaveFile(Fmt(1, 1, 44100, 24), pairs), QAudioFormat::Int32, 1,
         QByteArray("\0\x01\x02\x03\0\x04\x05\x06", 8)},
        {"32-bit float", WaveFile(Fmt(3, 1, 48000, 32), pairs.left(4)), QAudioFormat::Float, 1, pairs.left(4)},
        {"extensible PCM", WaveFile(Fmt(0, 2, 44100, 16, 1), pairs.left(4)), QAudioFormat::Int16, 2, pairs.left(4)},
        {"extensible float", WaveFile(Fmt(0, 1, 44100, 32, 3), pairs.left(4)), QAudioFormat::Float, 1, pairs.left(4)},
        {"extensible ADPCM", WaveFile(Fmt(0, 1, 44100, 16, 2), pairs.left(4)), QAudioFormat::Unknown, 0, {}},
        {"extensible without its sub-format", WaveFile(Fmt(0xFFFE, 1, 44100, 16) + Le16(0), pairs.left(4)),
         QAudioFormat::Unknown, 0, {}},
        {"odd-sized format chunk, padded", WaveFile(Fmt(1, 1, 8000, 16) + "x", pairs.left(2)), QAudioFormat::Int16, 1,
         pairs.left(2)},
        {"data cut short: whole frames only", WaveFile(Fmt(1, 2, 8000, 16), pairs.left(7), 400), QAudioFormat::Int16, 2,
         pairs.left(4)},
        {"less than one frame", WaveFile(Fmt(1, 2, 8000, 16), pairs.left(3)), QAudioFormat::Unknown, 0, {}},
        {"no channels", WaveFile(Fmt(1, 0, 8000, 16), pairs), QAudioFormat::Unknown, 0, {}},
        {"no sample rate", WaveFile(Fmt(1, 1, 0, 16), pairs), QAudioFormat::Unknown, 0, {}},
        {"an odd chunk before the format", WaveFile(Fmt(1, 1, 8000, 16), pairs.left(2), {}, list),
         QAudioFormat::Int16, 1, pairs.left(2)},
        {"ADPCM", WaveFile(Fmt(2, 1, 8000, 4), pairs), QAudioFormat::Unknown, 0, {}},
        {"12-bit PCM", WaveFile(Fmt(1, 1, 8000, 12), pairs), QAudioFormat::Unknown, 0, {}},
        {"no samples", WaveFile(Fmt(1, 1, 8000, 16), {}), QAudioFormat::Unknown, 0, {}},
        {"not WAVE", WaveFile(Fmt(1, 1, 8000, 8), pairs).replace(8, 4, "AVI "), QAudioFormat::Unknown, 0, {}},
        {"cut in the format", WaveFile(Fmt(1, 1, 8000, 8), pairs).left(30), QAudioFormat::Unknown, 0, {}},
        {"no data chunk", WaveFile(Fmt(1, 1, 8000, 8), pairs).left(36), QAudioFormat::Unknown, 0, {}},
        {"empty", QByteArray(), QAudioFormat::Unknown, 0, {}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString(c.name) + ".wav");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.file);
        file.close();
        const std::optional<WaveSound> sound = ReadWave(path);
        if (c.sampleFormat == QAudioFormat::Unknown) {
            EXPECT_FALSE(sound.has_value()) << c.name;
            continue;
        }
        ASSERT_TRUE(sound.has_value()) << c.name;
        EXPECT_EQ(sound->format.sampleFormat(), c.sampleFormat) << c.name;
        EXPECT_EQ(sound->format.channelCount(), c.channels) << c.name;
        const qsizetype rate = c.file.indexOf("fmt ") + 12;
        EXPECT_EQ(sound->format.sampleRate(), qFromLittleEndian<quint32>(c.file.constData() + rate)) << c.name;
        EXPECT_EQ(sound->samples, c.samples) << c.name;
    }
    EXPECT_FALSE(ReadWave(dir.filePath("missing.wav")).has_value());
}

TEST(QtSoundOutput, TrailingSilenceIsWholeFramesOfTheFormatsRest) {
    struct Case {
        QAudioFormat::SampleFormat sampleFormat;
        int channels;
        qsizetype bytes;
        QByteArray silence;
    };
    const Case cases[] = {
        {QAudioFormat::UInt8, 1, 3, "\x80\x80\x80"},  // unsigned: the middle, not 0
        {QAudioFormat::Int16, 2, 10, QByteArray(8, '\0')},
        {QAudioFormat::Int32, 1, 7, QByteArray(4, '\0')},
        {QAudioFormat::Float, 2, 7, QByteArray()},
    };
    for (const auto& c : cases) {
        WaveSound sound;
        sound.format.setSampleFormat(c.sampleFormat);
        sound.format.setChannelCount(c.channels);
        sound.format.setSampleRate(8000);
        sound.samples = "sound";
        EXPECT_EQ(WithTrailingSilence(sound, c.bytes), "sound" + c.silence) << c.sampleFormat;
    }
}

}  // namespace
}  // namespace torvel
