// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Writes a PNG of width × height opaque pixels (colour bands and a checker)
// without ever holding it: one band of rows is compressed with the
// compressor's history cleared after it, so that the same bytes can follow
// themselves as often as the height needs. A 20000 × 20000 picture takes a
// moment and a few megabytes; decoding it takes the reader its full time.
bool writeHugePng(const std::string& path, int width, int height);
