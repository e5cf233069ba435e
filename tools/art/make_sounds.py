#!/usr/bin/env python3
"""Write the buttons' two sounds: resources/over.wav and resources/click.wav.

Both are 16-bit mono PCM at 44100 Hz, peaking at -12 dBFS, with short fades at
both ends so they never click on their own edges.
"""

import argparse
import math
import random
import struct
import wave
from pathlib import Path

RATE = 44100
PEAK = 10 ** (-12 / 20)


def _fade(samples, fade_in, fade_out):
    """Raised-cosine fades, lengths in seconds; the ends land exactly on zero."""
    n_in, n_out = int(fade_in * RATE), int(fade_out * RATE)
    out = list(samples)
    for i in range(n_in):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(n_out):
        out[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return out


def _normalise(samples):
    top = max(abs(s) for s in samples)
    return [s / top * PEAK for s in samples]


def over_sound():
    """A light glassy chime, 50 ms: a high tone with a soft octave above it."""
    length = int(0.050 * RATE)
    samples = []
    for i in range(length):
        t = i / RATE
        tone = math.sin(2 * math.pi * 1318.5 * t) + 0.3 * math.sin(2 * math.pi * 2637 * t)
        samples.append(tone * math.exp(-t / 0.014))
    return _normalise(_fade(samples, 0.003, 0.008))


def click_sound():
    """A soft plucked note, 85 ms, made with the Karplus-Strong string model."""
    rng = random.Random(20)
    period = round(RATE / 587.3)
    burst = [rng.uniform(-1, 1) for _ in range(period)]
    # Smoothing the excitation gives a mellow string rather than a sharp one.
    for _ in range(3):
        burst = [(burst[i - 1] + 2 * burst[i] + burst[(i + 1) % period]) / 4
                 for i in range(period)]
    mean = sum(burst) / period
    line = [s - mean for s in burst]  # no DC offset, so the sound ends at rest
    samples = []
    for i in range(int(0.085 * RATE)):
        current = line[i % period]
        samples.append(current)
        # Averaging two neighbours damps the high partials; the loss factor sets
        # how fast the whole note dies away.
        line[i % period] = 0.975 * 0.5 * (current + line[(i + 1) % period])
    # A one-pole low-pass rounds off the initial burst of noise.
    smooth, state = [], 0.0
    for s in samples:
        state += 0.25 * (s - state)
        smooth.append(state)
    return _normalise(_fade(smooth, 0.0025, 0.015))


def write_wav(path, samples):
    path.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", round(s * 32767)) for s in samples))


def main():
    default = Path(__file__).resolve().parents[2] / "assets"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=default, help="assets folder to write into")
    out = parser.parse_args().out
    for name, samples in (("over.wav", over_sound()), ("click.wav", click_sound())):
        path = out / "resources" / name
        write_wav(path, samples)
        print("wrote %s (%d ms)" % (path, len(samples) * 1000 // RATE))


if __name__ == "__main__":
    main()
