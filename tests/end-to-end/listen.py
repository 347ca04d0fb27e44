#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a recording of the game's sound holds, for the end-to-end tests.

The recordings are raw: 48 kHz, 16-bit little-endian, one channel, as parec
writes them from the sink's monitor. Python's standard library only.

  listen.py quiet RAW                exit 0 when nothing reaches -50 dBFS;
                                     prints the loudest sample, in dBFS
  listen.py announced RAW            exit 0 once the drum has turned and
                                     stopped and the sector was sounded
  listen.py cut RAW SECONDS          exit 0 when a sound began and nothing
                                     reaches -50 dBFS from SECONDS after it;
                                     prints the loudest level from there on
  listen.py whole RAW                exit 0 unless sounds break off into
                                     digital silence and resume (a stream
                                     that runs dry); prints the breaks
  listen.py spin RAW SOUNDS          the drum's clacks, its stop, which
                                     sector sounded and the chime of a right
                                     letter, as found, against the game's
                                     sound files in the folder SOUNDS; exit
                                     3 when the sector passed the turn (no
                                     letter to chime), 1 when anything else
                                     is not there as a player hears it
  listen.py summary RAW              its length, loudest sample, clipped
                                     samples and breaks, in one line
  listen.py sounds RAW SOUNDS [AT]   every sound that begins, at its time
                                     (plus AT seconds), named after the
                                     file in SOUNDS it is most like; a run
                                     of the drum's clacks as one line
"""

import array
import glob
import itertools
import math
import operator
import statistics
import sys
import wave

RATE = 48000
WINDOW = RATE // 200  # 5 ms
FULL_SCALE = 32767

# The level that counts as a sound at all, and how much a window must rise
# over the two before it to be a new sound's start.
SOUND_LEVEL = FULL_SCALE * 10 ** (-45 / 20)
RISE = 4.0  # 12 dB
BETWEEN_WINDOWS = 4  # 20 ms

# Clacks closer than this follow each other in one turn of the drum.
CLACK_GAP = 0.12
# The rules show a drum of at least 13 pictures a spin; a loaded machine may
# join two of them in one period of the sound server.
FEWEST_CLACKS = 10
# The sector is announced a second after the drum stops.
ANNOUNCED_AFTER = 0.6
# How loud a sound must be on both sides of a run of silence for it to be a
# break in the sound rather than its end (-40 dBFS).
DROPOUT_LEVEL = FULL_SCALE // 100
# How like the chime's file a sound must be to be the chime. A letter's
# press and the sector's tail ringing on beneath it lower the likeness to
# about 0.7; the sector sounds are below 0.3.
CHIME_LIKENESS = 0.6
# A stream that runs dry by itself does so again every few periods: a
# recording breaks many times. One break alone is the machine stopping the
# program for a tenth of a second (a busy host), which no buffer short
# enough to keep the sound in step with the game rides out.
BREAKS_ALLOWED = 1
CHIME = "letter-right"
# The sectors' sounds, and those after which the turn passes with no letter.
SECTORS = ("sector-points", "sector-double", "sector-plus", "sector-pass-turn", "sector-bankrupt")
TURN_PASSES = ("sector-pass-turn", "sector-bankrupt")


def read_raw(path):
    samples = array.array("h")
    with open(path, "rb") as raw:
        data = raw.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def read_wav(path):
    with wave.open(path, "rb") as sound:
        if sound.getsampwidth() != 2 or sound.getnchannels() != 1 or sound.getframerate() != RATE:
            raise SystemExit(f"{path}: not 16-bit mono at {RATE} Hz")
        samples = array.array("h")
        samples.frombytes(sound.readframes(sound.getnframes()))
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def window_peaks(samples):
    return [
        max(max(samples[i : i + WINDOW]), -min(samples[i : i + WINDOW]))
        for i in range(0, len(samples) - WINDOW + 1, WINDOW)
    ]


def onsets(samples):
    """The sample indices where sounds begin. A sound's first milliseconds
    may rise over two windows: one start, and the next no sooner than
    BETWEEN later."""
    peaks = window_peaks(samples)
    found = []
    last = -BETWEEN_WINDOWS
    for i, peak in enumerate(peaks):
        before = max(peaks[max(0, i - 2) : i], default=0)
        if peak >= SOUND_LEVEL and peak >= RISE * before and i - last >= BETWEEN_WINDOWS:
            found.append(first_loud_sample(samples, i * WINDOW - WINDOW, peak))
            last = i
    return found


def first_loud_sample(samples, start, peak):
    """Where a sound whose loudest sample is `peak` first reaches a tenth of it."""
    start = max(0, start)
    for i in range(start, min(len(samples), start + 3 * WINDOW)):
        if abs(samples[i]) >= peak / 10:
            return i
    return start


def band_power(samples, start, length, freq):
    """The power at `freq` (Goertzel) of `length` samples from `start`, per sample."""
    coefficient = 2 * math.cos(2 * math.pi * freq / RATE)
    s1 = s2 = 0.0
    for x in samples[start : start + length]:
        s1, s2 = x + coefficient * s1 - s2, s1
    return (s1 * s1 + s2 * s2 - coefficient * s1 * s2) / max(1, length) ** 2


def likeness(samples, at, template, reach=96, length=4800):
    """The best normalised correlation of `length` samples of the template with
    the recording near sample `at`, within `reach` samples either way."""
    return best_match(samples, at, template, reach, length)[0]


def best_match(samples, at, template, reach, length, stride=1):
    """likeness(), and the sample where the template matches best. With a
    stride, every stride-th place is tried, then every place about the best."""
    model = template[:length]
    model_norm = math.sqrt(sum(map(operator.mul, model, model)))
    first = max(0, at - reach)
    region = samples[first : at + reach + len(model)]
    # The energy of every stretch of the region, from running sums of squares.
    energy = [0, *itertools.accumulate(map(operator.mul, region, region))]
    last = len(region) - len(model)

    def alike(offset):
        power = energy[offset + len(model)] - energy[offset]
        if power <= 0 or model_norm == 0:
            return 0.0
        return sum(map(operator.mul, region[offset : offset + len(model)], model)) / (math.sqrt(power) * model_norm)

    best, where = max(((alike(offset), offset) for offset in range(0, last + 1, stride)), default=(0.0, 0))
    if stride > 1:
        best, where = max((alike(offset), offset)
                          for offset in range(max(0, where - stride + 1), min(last, where + stride - 1) + 1))
    return best, first + where


def clack_runs(starts):
    """Runs of sounds that follow each other closer than a clack's gap."""
    runs = []
    for start in starts:
        if runs and (start - runs[-1][-1]) / RATE < CLACK_GAP:
            runs[-1].append(start)
        else:
            runs.append([start])
    return runs


class Spin:
    """One turn of the drum as heard: the clacks, and what followed them."""

    def __init__(self, samples):
        self.samples = samples
        self.starts = onsets(samples)
        runs = [run for run in clack_runs(self.starts) if len(run) >= FEWEST_CLACKS]
        self.clacks = max(runs, key=len) if runs else []
        self.after = [s for s in self.starts if self.clacks and s > self.clacks[-1]]
        end = self.clacks[-1] if self.clacks else 0
        self.announced = [s for s in self.after if (s - end) / RATE >= ANNOUNCED_AFTER]

    def intervals_ms(self):
        return [1000 * (b - a) / RATE for a, b in zip(self.clacks, self.clacks[1:])]

    def knock_rise_db(self):
        """How much louder the stop's low knock is than the clacks' lows: the
        loudest 50 ms at 95 Hz about the run's last sounds against the median
        of the clacks before them."""
        length = RATE // 20
        clack = statistics.median(band_power(self.samples, s, length, 95) for s in self.clacks[:-3])
        stop = max(
            band_power(self.samples, s, length, 95)
            for s in range(self.clacks[-3], self.clacks[-1] + RATE // 10, WINDOW)
        )
        return 10 * math.log10(max(stop, 1e-9) / max(clack, 1e-9))


def dropouts(samples):
    """Where the sound breaks off and comes back: runs of exact zeros, 1 to
    100 ms long, with the signal loud in the millisecond on either side. The
    game's sounds fade in and out, and the mix is silent only where nothing
    sounds: a stream that ran dry cuts a sound off mid-wave."""
    edge = RATE // 1000
    found = []
    run = 0
    for i, sample in enumerate(samples):
        if sample == 0:
            run += 1
            continue
        start = i - run
        if edge <= run <= 100 * edge and start >= edge:
            before = max(abs(x) for x in samples[start - edge : start])
            after = max(abs(x) for x in samples[i : i + edge])
            if min(before, after) >= DROPOUT_LEVEL:
                found.append((start, run))
        run = 0
    return found


def peak_db(samples):
    peak = max(max(samples, default=0), -min(samples, default=0))
    return 20 * math.log10(peak / FULL_SCALE) if peak else -math.inf


def summary(samples):
    clipped = sum(1 for x in samples if x >= FULL_SCALE or x <= -FULL_SCALE)
    level = peak_db(samples)
    loudest = "silent" if level == -math.inf else f"loudest sample {level:.1f} dBFS"
    return (f"{len(samples) / RATE:.1f} s, {loudest}, {clipped} samples at full scale, "
            f"{len(dropouts(samples))} breaks")


# A sound counts as one of the game's files when this alike; less is two
# sounds at once, or a sound the files do not hold.
NAMED_LIKENESS = 0.5
# Several of the files open alike (the champion's fanfare as the word said,
# the sectors' chords): their first 25 ms pick the candidates, 200 ms tell
# them apart.
GLANCE = RATE // 40
LISTEN = RATE // 5
# A sound is found where it rises to a tenth of its loudest, a few
# milliseconds after its file begins, or up to 20 ms when another sound rang
# just before: its file is looked for that far before, first at every
# fourth place.
EARLIEST = RATE // 50
STRIDE = 4
# Takes of the recording with what was named taken out: a sound that began
# beneath a louder one rises out of what is left.
TAKES = 3


def match_before(samples, start, sound, length):
    """best_match() of `sound` begun up to EARLIEST before `start`."""
    return best_match(samples, start - EARLIEST // 2, sound, EARLIEST // 2 + 16, length, STRIDE)


def take_out(left, where, sound):
    """Takes `sound` out of the recording from sample `where`, at the level
    its first moments were recorded at."""
    sound = sound[: len(left) - where]
    opening = sound[:LISTEN]
    power = sum(map(operator.mul, opening, opening))
    gain = sum(map(operator.mul, left[where : where + len(opening)], opening)) / power if power else 0.0
    for i, sample in enumerate(sound):
        left[where + i] -= round(gain * sample)


def taken_out(samples, left, start):
    """Whether most of what begins at `start` went with the sounds taken out."""
    window = slice(start, start + WINDOW)
    return 4 * max(map(abs, left[window]), default=0) < max(map(abs, samples[window]), default=0)


def heard_sounds(samples, folder, at):
    """Lines naming each sound that begins, at its time in seconds plus `at`.

    The game plays its files as they are, summed: each sound named is taken
    out of the recording, and what is left is listened to again, so a sound
    begun beneath another is named too, and a sound's own later notes are
    not taken for new sounds."""
    sounds = {path.rsplit("/", 1)[-1][:-4]: read_wav(path) for path in sorted(glob.glob(f"{folder}/*.wav"))}
    left = array.array("i", samples)
    lines = []
    changed = [(0, len(left))]  # where the last take took something out
    for take in range(TAKES):
        spans, changed = changed, []
        for run in clack_runs(onsets(left)):
            if len(run) >= FEWEST_CLACKS:
                if take == 0:
                    seconds = (run[-1] - run[0]) / RATE
                    lines.append((run[0], f"the drum: {len(run)} clacks over {seconds:.2f} s, and its stop"))
                continue
            for start in run:
                if not any(begin <= start < end for begin, end in spans):
                    continue  # nothing new to hear here
                if take == 0 and taken_out(samples, left, start):
                    continue  # a later note of a sound named already
                glance = {name: match_before(left, start, sound, GLANCE)[0] for name, sound in sounds.items()}
                candidates = [name for name, alike in glance.items() if alike >= NAMED_LIKENESS]
                (best, where), name = max(
                    [(match_before(left, start, sounds[name], LISTEN), name) for name in candidates]
                    or [((alike, start), name) for name, alike in glance.items()]
                )
                if best < NAMED_LIKENESS:
                    if take == 0:
                        lines.append((start, f"♪ ? (at most {best:.2f} like {name})"))
                    continue
                lines.append((where, f"♪ {name} ({best:.2f})"))
                take_out(left, where, sounds[name])
                changed.append((where, where + len(sounds[name])))
        if not changed:
            break
    return [f"{at + start / RATE:9.3f} s  {text}" for start, text in sorted(lines)]


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    command, samples = argv[1], read_raw(argv[2])
    if command == "quiet":
        level = peak_db(samples)
        print("silence" if level == -math.inf else f"{level:.1f} dBFS")
        return 0 if level < -50 else 1
    if command == "summary":
        print(summary(samples))
        return 0
    if command == "sounds" and len(argv) >= 4:
        print("\n".join(heard_sounds(samples, argv[3], float(argv[4]) if len(argv) >= 5 else 0.0)))
        return 0
    if command == "whole":
        breaks = dropouts(samples)
        for start, length in breaks:
            print(f"a break of {1000 * length / RATE:.1f} ms at {start / RATE:.3f} s")
        return 1 if len(breaks) > BREAKS_ALLOWED else 0
    if command == "announced":
        return 0 if Spin(samples).announced else 1
    if command == "cut" and len(argv) >= 4:
        began = onsets(samples)
        if not began:
            print("nothing was heard at all")
            return 1
        after = began[0] + int(float(argv[3]) * RATE)
        level = peak_db(samples[after:])
        print("silence" if level == -math.inf else f"{level:.1f} dBFS")
        return 0 if level < -50 else 1
    if command != "spin" or len(argv) < 4:
        raise SystemExit(__doc__)

    spin = Spin(samples)
    if not spin.clacks:
        print(f"no turn of the drum heard: {len(spin.starts)} sounds, none in a run of clacks")
        return 1
    intervals = spin.intervals_ms()
    rhythm = statistics.median(intervals)
    seconds = (spin.clacks[-1] - spin.clacks[0]) / RATE
    knock = spin.knock_rise_db()
    print(
        f"clacks: {len(spin.clacks)} over {seconds:.2f} s, every {rhythm:.0f} ms "
        f"(median; {min(intervals):.0f}–{max(intervals):.0f}); the stop's knock {knock:+.0f} dB"
    )
    problems = []
    # The drum turns a sector every 50 ms; the sound server delivers in periods of its own.
    if not 30 <= rhythm <= 100:
        problems.append(f"the clacks keep no step with the drum's 50 ms frames ({rhythm:.0f} ms)")
    if knock < 10:
        problems.append(f"no knock at the drum's stop ({knock:+.0f} dB over the clacks)")
    if not spin.announced:
        problems.append("no sector sounded after the drum stopped")
    if problems:
        print("; ".join(problems))
        return 1
    end = spin.clacks[-1]
    folder = argv[3]
    sounds = {name: read_wav(f"{folder}/{name}.wav") for name in (*SECTORS, CHIME)}
    sector_at = spin.announced[0]
    likeness_of_sector, sector = max((likeness(samples, sector_at, sounds[name]), name) for name in SECTORS)
    print(
        f"the sector sounded {(sector_at - end) / RATE:.2f} s after the stop: "
        f"{sector} ({likeness_of_sector:.2f} like it)"
    )
    if sector in TURN_PASSES:
        return 3

    heard = [(likeness(samples, s, sounds[CHIME]), s) for s in spin.announced[1:]]
    best, at = max(heard, default=(0.0, end))
    if best < CHIME_LIKENESS:
        print(f"no chime after a letter's sector: the sounds after it are at most {best:.2f} like it")
        return 1
    print(f"chime at {(at - end) / RATE:.2f} s after the stop, {best:.2f} like the chime's file")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
