# shellcheck shell=bash disable=SC2034  # sourced; its constants are used by the sourcing scripts
# Shared by the audio test and the sound delay measurement (sourced, bash): a
# private PulseAudio server with one null sink, a recording of that sink's
# monitor, and the clock that places a moment of this script in the
# recording.
#
# The recording is raw 16-bit stereo at 44100 Hz, the sink's own format, so
# what the game plays reaches it sample for sample; the sink does not rewind,
# so a new sound is not half-mixed into what the monitor has already passed
# on. Its clock: byte N of the recording was played at start + N / rate.
# parec may deliver late, so every look at the file's size at a known time
# bounds the start, and the earliest bound is the estimate. The sink renders
# up to one block of RECORD_LATENCY_MS ahead of time, so the estimate may be
# that much early and a moment's place that much late.

readonly RECORD_RATE=44100
readonly RECORD_BYTES_PER_SECOND=$((RECORD_RATE * 4))
readonly RECORD_SOX=(-t raw -r "$RECORD_RATE" -e signed -b 16 -c 2)
readonly RECORD_LATENCY_MS=5

sound_pids=()
recording=""
recording_start=""

# start_sound_server DIR: a PulseAudio server of our own, with its runtime
# folder, home and socket in DIR and a null sink named "torvel" as its only
# output; no system-wide startup script is read. It is told where to listen,
# so it also starts as root (where it only warns), and it waits for clients
# however idle it is. PULSE_SERVER points every client started from here at
# it, whatever the user's own settings say.
start_sound_server() {
  local dir=$1 tries
  mkdir -p "$dir/run" "$dir/home"
  chmod 700 "$dir/run"
  XDG_RUNTIME_DIR="$dir/run" HOME="$dir/home" pulseaudio --daemonize=no -n --use-pid-file=no \
    --exit-idle-time=-1 --realtime=no --high-priority=no --log-target=file:"$dir/pulseaudio.log" \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    --load="module-null-sink sink_name=torvel rate=$RECORD_RATE channels=2 format=s16le norewinds=1" &
  sound_pids+=($!)
  PULSE_SERVER=unix:$dir/native
  export PULSE_SERVER
  for ((tries = 0; tries < 200; tries++)); do
    pactl list short sinks 2> /dev/null | grep -q torvel && return 0
    sleep 0.05
  done
  echo "the sound server did not start" >&2
  [[ -s $dir/pulseaudio.log ]] && cat "$dir/pulseaudio.log" >&2
  return 1
}

# start_recording FILE: records the sink's monitor into FILE and waits until
# the recording flows. The short latency asked for sets the sink's block.
start_recording() {
  recording=$1
  recording_start=""
  : > "$recording"
  parec --device=torvel.monitor --format=s16le --rate="$RECORD_RATE" --channels=2 --raw \
    --latency-msec="$RECORD_LATENCY_MS" > "$recording" &
  sound_pids+=($!)
  local waited=0
  until (($(stat -c %s "$recording") > RECORD_BYTES_PER_SECOND / 5)); do
    sleep 0.05
    if ((++waited > 400)); then
      echo "the recording did not start" >&2
      return 1
    fi
  done
  note_recording
}

# note_recording: one look at the recording's size, to tighten its start.
note_recording() {
  local size now start
  size=$(stat -c %s "$recording")
  now=$(date +%s%N)
  start=$((now - size * 1000000000 / RECORD_BYTES_PER_SECOND))
  if [[ -z $recording_start ]] || ((start < recording_start)); then
    recording_start=$start
  fi
}

# now_ns: the present moment on the clock the recording is placed by.
now_ns() { date +%s%N; }

# wait_recorded NS: waits until the recording reaches the moment NS.
wait_recorded() {
  local waited=0
  note_recording
  until (($(stat -c %s "$recording") * 1000000000 / RECORD_BYTES_PER_SECOND + recording_start >= $1)); do
    sleep 0.02
    note_recording
    if ((++waited > 1000)); then
      echo "the recording stopped" >&2
      return 1
    fi
  done
}

# seconds_into_recording NS: the moment NS as seconds into the recording,
# taken twice the sink's block early, so that what was played at or after NS
# is never placed before it.
seconds_into_recording() {
  local ns=$(($1 - recording_start - 2 * RECORD_LATENCY_MS * 1000000))
  ((ns < 0)) && ns=0
  printf '%d.%06d' $((ns / 1000000000)) $((ns % 1000000000 / 1000))
}

# loudest FROM_NS TO_NS: the largest amplitude (0 to 1) recorded between the
# two moments.
loudest() {
  sox "${RECORD_SOX[@]}" "$recording" -n trim "$(seconds_into_recording "$1")" \
    ="$(seconds_into_recording "$2")" stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }'
}

# The seconds from the first to the last sample above 0.3 % of full scale
# (-50 dB): how much of a sound was heard, without the silence around it.
readonly SPAN_EFFECTS=(silence 1 1s 0.3% reverse silence 1 1s 0.3% reverse stat)
span_of() { awk '/^Length \(seconds\)/ { print $3 }'; }

# sound_span FILE: the audible span of a sound file.
sound_span() { sox "$1" -n "${SPAN_EFFECTS[@]}" 2>&1 | span_of; }

# recorded_span FROM_NS TO_NS: the audible span recorded between two moments.
recorded_span() {
  sox "${RECORD_SOX[@]}" "$recording" -n trim "$(seconds_into_recording "$1")" \
    ="$(seconds_into_recording "$2")" "${SPAN_EFFECTS[@]}" 2>&1 | span_of
}

# stop_sound: ends the recording and the server, in the reverse order of
# their start.
stop_sound() {
  local i
  for ((i = ${#sound_pids[@]} - 1; i >= 0; i--)); do
    kill "${sound_pids[i]}" 2> /dev/null || true
    wait "${sound_pids[i]}" 2> /dev/null || true
  done
  sound_pids=()
}
