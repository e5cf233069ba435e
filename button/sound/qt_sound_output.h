// One button sound on its way to the sound server, on a stream of its own.
#pragma once

#include <QAudioDevice>
#include <QAudioSink>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "button/sound/wave_file_check.h"

namespace torvel {

// The sound's samples followed by `bytes` of silence, in whole frames.
QByteArray WithTrailingSilence(const WaveSound& sound, qsizetype bytes);

class QtSoundOutput final {
public:
    // Starts the sound on `device` at once.
    QtSoundOutput(const QAudioDevice& device, const WaveSound& sound);

    // Cuts the sound short if it is still playing.
    ~QtSoundOutput() = default;

    QtSoundOutput(const QtSoundOutput&) = delete;
    QtSoundOutput& operator=(const QtSoundOutput&) = delete;

private:
    // Qt's PulseAudio sink runs the event loop in its destructor, so a sink is
    // stopped at once but deleted later, from the event loop itself and never
    // from inside a button's handler.
    struct StopAndDeleteLater {
        void operator()(QAudioSink* sink) const;
    };

    void Feed();
    void OnStateChanged(QAudio::State state);
    void Release();

    std::unique_ptr<QAudioSink, StopAndDeleteLater> m_sink;
    QIODevice* m_stream = nullptr;
    QByteArray m_data;
    qsizetype m_written = 0;
    QElapsedTimer m_started;
    QTimer m_feeder;
    QTimer m_deadline;
    QObject m_receiver;  // ends the sink's reports to this output with it
};

}  // namespace torvel
