#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What listen.py finds in recordings made up of the game's own sound files,
laid where a turn would play them: the end-to-end tests and the tournament
recorder trust it to hear what a player hears.

    listen_test.py SOUNDS
"""

import array
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import listen  # noqa: E402

RATE = listen.RATE
SOUNDS = sys.argv.pop(1) if len(sys.argv) > 1 else None


def sound(name):
    return listen.read_wav(os.path.join(SOUNDS, f"{name}.wav"))


def recording(seconds, *placed):
    """`seconds` of silence with each (seconds, samples) added in, clipped as a mix is."""
    mix = [0] * int(seconds * RATE)
    for at, samples in placed:
        start = int(at * RATE)
        for i, sample in enumerate(samples[: len(mix) - start]):
            mix[start + i] += sample
    return array.array("h", (max(-32768, min(32767, x)) for x in mix))


def drum(at, clacks):
    """A spin's clacks every 50 ms, the last of them the stop."""
    clack = sound("drum-clack")
    return [(at + i * 0.05, clack) for i in range(clacks - 1)] + [(at + (clacks - 1) * 0.05, sound("drum-stop"))]


class HeardSounds(unittest.TestCase):
    def test_a_turn_is_named_sound_by_sound(self):
        samples = recording(
            9.0, *drum(0.5, 24), (3.0, sound("sector-bankrupt")), (5.5, sound("letter-right")),
            (6.0, sound("champion"))
        )
        lines = listen.heard_sounds(samples, SOUNDS, 100.0)
        self.assertRegex(lines[0], r"^ +100\.50\d s  the drum: 24 clacks over 1\.1\d s, and its stop$")
        named = [line.split("♪ ")[1].split(" (")[0] for line in lines[1:]]
        self.assertEqual(named, ["sector-bankrupt", "letter-right", "champion"], lines)
        # Within a period of its lowest tone, the sound's own start.
        self.assertAlmostEqual(float(lines[1].split()[0]), 103.0, delta=0.01)

    def test_sounds_that_open_alike_are_told_apart(self):
        alike = ("champion", "word-by-saying", "records-champion", "word-by-letters", "sector-points",
                 "sector-double", "sector-plus", "sector-bankrupt", "word-wrong")
        samples = recording(4.5 * len(alike), *((4.5 * i + 0.5, sound(name)) for i, name in enumerate(alike)))
        lines = listen.heard_sounds(samples, SOUNDS, 0.0)
        self.assertEqual([line.split("♪ ")[1].split(" (")[0] for line in lines], list(alike), lines)


class Summary(unittest.TestCase):
    def test_counts_clipping_and_breaks(self):
        chime = sound("letter-right")
        clean = recording(2.0, (0.5, chime))
        self.assertRegex(listen.summary(clean), r"^2\.0 s, loudest sample -\d+\.\d dBFS, 0 samples at full scale, 0 breaks$")

        loud = recording(2.0, (0.5, [x * 8 for x in chime]))
        self.assertNotIn(" 0 samples at full scale", listen.summary(loud))

        broken = array.array("h", clean)
        gap = int(0.52 * RATE)
        broken[gap : gap + RATE // 100] = array.array("h", [0] * (RATE // 100))
        self.assertTrue(listen.summary(broken).endswith(", 1 breaks"), listen.summary(broken))

    def test_one_break_is_a_stall_but_a_dry_stream_fails(self):
        ring = recording(1.0, (0.0, [8000 if (i // 24) % 2 else -8000 for i in range(RATE)]))
        stalled = array.array("h", ring)
        stalled[RATE // 2 : RATE // 2 + RATE // 25] = array.array("h", [0] * (RATE // 25))
        self.assertEqual(len(listen.dropouts(stalled)), 1)
        dry = array.array("h", ring)
        for start in range(RATE // 10, RATE - RATE // 10, RATE * 80 // 1000):
            dry[start : start + RATE // 200] = array.array("h", [0] * (RATE // 200))
        self.assertGreater(len(listen.dropouts(dry)), listen.BREAKS_ALLOWED)


if __name__ == "__main__":
    if not SOUNDS:
        sys.exit(__doc__)
    unittest.main()
