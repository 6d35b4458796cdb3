#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the game's three sounds into the game folder.

  top.dat    a short brass fanfare for the best-scores screen
  sound.dat  a march-like jingle with a drum for the splash screen
  about.dat  a gentle bell chime for the about box

Each is a RIFF wave file, 16-bit PCM, mono, 22050 Hz. The output depends on nothing but this
script, so running it again gives the same bytes.

Usage: tools/make_sounds.py [game folder]   (default: the game/ folder of the repository)
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.8  # of full scale, so that nothing clips


def note_frequency(name):
    """Frequency of a note such as 'C5', 'F#4' or 'Bb3' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        semitone += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((semitone + 12 * (octave - 4)) / 12.0)


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(track, samples, start_seconds, gain=1.0):
    start = int(round(start_seconds * RATE))
    if len(track) < start + len(samples):
        track.extend([0.0] * (start + len(samples) - len(track)))
    for i, s in enumerate(samples):
        track[start + i] += gain * s


def envelope(i, n, attack, release):
    """Linear attack and release over a held note of n samples."""
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    if i < a:
        return i / a
    if i > n - r:
        return max(0.0, (n - i) / r)
    return 1.0


def brass(freq, seconds):
    """A bright horn-like tone: odd and even harmonics, a slight vibrato."""
    n = int(seconds * RATE)
    harmonics = [(1, 1.0), (2, 0.55), (3, 0.35), (4, 0.2), (5, 0.12), (6, 0.06)]
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        vibrato = 1.0 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.15)
        phase += 2 * math.pi * freq * vibrato / RATE
        s = sum(a * math.sin(k * phase) for k, a in harmonics)
        out.append(s * envelope(i, n, 0.025, 0.06))
    return out


def reed(freq, seconds):
    """A softer woodwind-like tone for the march melody."""
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        w = 2 * math.pi * freq * t
        s = math.sin(w) + 0.3 * math.sin(3 * w) + 0.15 * math.sin(5 * w) + 0.2 * math.sin(2 * w)
        out.append(s * envelope(i, n, 0.015, 0.04))
    return out


def bass_drum(seconds=0.18):
    """A thump: a sine that falls in pitch and dies away."""
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        freq = 55.0 + 90.0 * math.exp(-t * 30.0)
        phase += 2 * math.pi * freq / RATE
        out.append(math.sin(phase) * math.exp(-t * 18.0))
    return out


def snare(seconds=0.12, seed=12345):
    """A rattle of pseudo-random noise from a small fixed generator, so it never varies."""
    n = int(seconds * RATE)
    state = seed
    out = []
    for i in range(n):
        state = (1103515245 * state + 12345) & 0x7FFFFFFF
        noise = state / 0x3FFFFFFF - 1.0
        t = i / RATE
        tone = math.sin(2 * math.pi * 190.0 * t)
        out.append((0.8 * noise + 0.3 * tone) * math.exp(-t * 32.0))
    return out


def bell(freq, seconds):
    """A struck bell: inharmonic partials, the higher ones fading faster."""
    n = int(seconds * RATE)
    partials = [(1.0, 1.0, 2.2), (2.0, 0.45, 3.2), (2.76, 0.3, 4.5), (5.4, 0.12, 7.0)]
    out = []
    for i in range(n):
        t = i / RATE
        s = 0.0
        for ratio, amp, decay in partials:
            s += amp * math.sin(2 * math.pi * freq * ratio * t) * math.exp(-t * decay)
        attack = min(1.0, i / (0.004 * RATE))
        out.append(s * attack)
    return out


def fade_tail(track, seconds=0.05):
    n = min(len(track), int(seconds * RATE))
    for i in range(n):
        track[len(track) - n + i] *= (n - i) / n
    return track


def fanfare():
    """Ta-ta-taa, ta-ta-TAAA: a rising triad ending on a held top note over a fifth."""
    beat = 0.14
    track = silence(0.0)
    melody = [
        ("G4", 0, 1), ("G4", 1, 1), ("C5", 2, 2),
        ("E5", 4, 1), ("E5", 5, 1), ("G5", 6, 2),
        ("C6", 8, 5),
    ]
    for name, at, length in melody:
        mix_into(track, brass(note_frequency(name), length * beat * 0.92), at * beat, 0.6)
    # The second voice comes in under the last note.
    mix_into(track, brass(note_frequency("G5"), 5 * beat * 0.92), 8 * beat, 0.35)
    mix_into(track, brass(note_frequency("E5"), 5 * beat * 0.92), 8 * beat, 0.3)
    mix_into(track, silence(0.3), len(track) / RATE)
    return fade_tail(track)


def march():
    """Two bars of a brisk march in 2/4, drum on every beat, dotted melody on top."""
    beat = 0.25  # a quarter note
    track = silence(0.0)
    melody = [
        # (note, start in eighths, length in eighths)
        ("C5", 0.0, 1.5), ("C5", 1.5, 0.5), ("E5", 2.0, 1.0), ("G5", 3.0, 1.0),
        ("E5", 4.0, 1.5), ("C5", 5.5, 0.5), ("G4", 6.0, 1.0), ("C5", 7.0, 1.0),
    ]
    eighth = beat / 2
    for name, at, length in melody:
        mix_into(track, reed(note_frequency(name), length * eighth * 0.9), at * eighth, 0.45)
    # The closing chord.
    for name in ("C5", "E5", "G5", "C6"):
        mix_into(track, brass(note_frequency(name), 4 * eighth), 8 * eighth, 0.18)
    for b in range(5):
        mix_into(track, bass_drum(), b * beat, 0.7)
        if b % 2 == 1:
            mix_into(track, snare(seed=b + 7), b * beat, 0.35)
    mix_into(track, snare(seed=99), 7.5 * eighth, 0.25)
    mix_into(track, silence(0.15), len(track) / RATE)
    return fade_tail(track)


def chime():
    """Three soft bell strokes falling down a major triad, the last one left to ring."""
    track = silence(0.0)
    for name, at in (("E6", 0.0), ("C6", 0.28), ("G5", 0.56)):
        mix_into(track, bell(note_frequency(name), 1.5), at, 0.4)
    return fade_tail(track, 0.2)


def write_wave(path, track):
    loudest = max(abs(s) for s in track) or 1.0
    scale = PEAK * 32767 / loudest
    frames = b"".join(struct.pack("<h", int(round(s * scale))) for s in track)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    print(f"{path}: {len(track) / RATE:.2f} s, {os.path.getsize(path)} bytes")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(os.path.join(here, "..", "game"))
    write_wave(os.path.join(folder, "top.dat"), fanfare())
    write_wave(os.path.join(folder, "sound.dat"), march())
    write_wave(os.path.join(folder, "about.dat"), chime())


if __name__ == "__main__":
    main()
