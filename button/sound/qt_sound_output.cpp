// One button sound on its way to the sound server, on a stream of its own.
//
// A sound server holds back a new stream until its pre-buffer is full, and a
// button sound may be shorter than that; a stream that is closed loses what
// the server has not played yet. So the samples go out followed by silence
// as long as the stream's whole buffer, which is more than any pre-buffer:
// the first write starts the stream, and the stream is closed only once the
// server has run out of data, when all it could lose is that silence.
#include "button/sound/qt_sound_output.h"

#include <limits>

namespace torvel {

namespace {

// The stream's own buffer may hold only a few milliseconds, so the writes
// keep this much more than it ahead of the time the sound has been playing:
// a button sound goes out in one write, and a longer one survives the event
// loop being held up for a while.
constexpr qint64 kLeadUs = 250000;

// Often enough to keep that lead.
constexpr int kFeedMs = 20;

// How long after the last write the stream is closed even if the server
// never reports that it ran out, so that it is not held open for good.
constexpr qint64 kDeadlineSlackMs = 2000;

}  // namespace

QByteArray WithTrailingSilence(const WaveSound& sound, qsizetype bytes) {
    const int frame = sound.format.bytesPerFrame();
    const char zero = sound.format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0';
    return sound.samples + QByteArray(bytes - bytes % frame, zero);
}

void QtSoundOutput::StopAndDeleteLater::operator()(QAudioSink* sink) const {
    sink->stop();
    sink->deleteLater();
}

QtSoundOutput::QtSoundOutput(const QAudioDevice& device, const WaveSound& sound)
    : m_sink(new QAudioSink(device, sound.format)) {
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, &m_receiver,
                     [this](QAudio::State state) { OnStateChanged(state); });
    m_stream = m_sink->start();
    if (m_stream == nullptr) return;
    m_data = WithTrailingSilence(sound, m_sink->bufferSize());
    m_feeder.setInterval(kFeedMs);
    QObject::connect(&m_feeder, &QTimer::timeout, &m_receiver, [this] { Feed(); });
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, &m_receiver, [this] { Release(); });
    m_started.start();
    Feed();
    if (m_written < m_data.size()) m_feeder.start();
}

void QtSoundOutput::Feed() {
    const qint64 due =
        m_sink->bufferSize() + m_sink->format().bytesForDuration(m_started.nsecsElapsed() / 1000 + kLeadUs);
    const qint64 wanted = qMin<qint64>(due, m_data.size()) - m_written;
    const qint64 written = wanted > 0 ? m_stream->write(m_data.constData() + m_written, wanted) : 0;
    if (written > 0) m_written += written;
    if (m_written < m_data.size()) return;
    m_feeder.stop();
    const auto bytes = static_cast<qint32>(qMin<qsizetype>(m_data.size(), std::numeric_limits<qint32>::max()));
    m_deadline.start(static_cast<int>(m_sink->format().durationForBytes(bytes) / 1000 + kDeadlineSlackMs));
}

void QtSoundOutput::OnStateChanged(QAudio::State state) {
    if (state == QAudio::StoppedState) {
        // Closed, or the server went away: nothing more can be written.
        m_feeder.stop();
        m_deadline.stop();
    } else if (state == QAudio::IdleState && m_written == m_data.size() && !m_data.isEmpty()) {
        // The server ran out of data after the last write: all is played.
        Release();
    }
}

void QtSoundOutput::Release() {
    m_feeder.stop();
    m_deadline.stop();
    m_sink->stop();
}

}  // namespace torvel
