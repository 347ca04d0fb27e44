// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HugePng.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void chunk(std::ofstream& file, const char* type, const Bytes& data)
{
    Bytes head;
    put32(head, static_cast<uint32_t>(data.size()));
    head.insert(head.end(), type, type + 4);
    uLong crc = crc32(0, head.data() + 4, 4);
    if (!data.empty()) // a null buffer would reset the sum
        crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    Bytes tail;
    put32(tail, static_cast<uint32_t>(crc));
    file.write(reinterpret_cast<const char*>(head.data()), std::streamsize(head.size()));
    file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    file.write(reinterpret_cast<const char*>(tail.data()), std::streamsize(tail.size()));
}

// Raw deflate of `raw`, ended by a full flush: byte-aligned, not final, and
// referring to nothing before it, so it may be repeated.
Bytes deflateAlone(const Bytes& raw, int flush)
{
    z_stream stream{};
    deflateInit2(&stream, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&stream, raw.size()) + 64);
    stream.next_in = const_cast<Bytes::value_type*>(raw.data());
    stream.avail_in = static_cast<uInt>(raw.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, flush);
    out.resize(out.size() - stream.avail_out);
    deflateEnd(&stream);
    return out;
}

// Rows `first` to `first + count` of the picture, each with its filter byte.
Bytes rows(int width, int first, int count)
{
    Bytes raw;
    raw.reserve(size_t(count) * (1 + 3 * size_t(width)));
    for (int y = first; y < first + count; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            const bool light = ((x / 64) + (y / 64)) % 2 == 0;
            raw.push_back(static_cast<unsigned char>(x * 255 / width));
            raw.push_back(static_cast<unsigned char>(light ? 220 : 90));
            raw.push_back(static_cast<unsigned char>((y % 128) * 2));
        }
    }
    return raw;
}

} // namespace

bool writeHugePng(const std::string& path, int width, int height)
{
    constexpr int band = 128;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    file.write(reinterpret_cast<const char*>(signature), sizeof signature);
    Bytes header;
    put32(header, static_cast<uint32_t>(width));
    put32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB
    chunk(file, "IHDR", header);

    const Bytes whole = rows(width, 0, band);
    const Bytes packed = deflateAlone(whole, Z_FULL_FLUSH);
    const int bands = height / band;
    const Bytes rest = rows(width, 0, height % band); // the rows repeat every band
    uLong adler = adler32(0, nullptr, 0);
    const uLong bandAdler = adler32(1, whole.data(), static_cast<uInt>(whole.size()));
    for (int b = 0; b < bands; ++b)
        adler = adler32_combine(adler, bandAdler, static_cast<z_off_t>(whole.size()));
    if (!rest.empty())
        adler = adler32(adler, rest.data(), static_cast<uInt>(rest.size()));

    Bytes stream{0x78, 0x01}; // zlib: deflate, 32 KB window
    const auto flushIdat = [&](bool last) {
        if (stream.size() >= (1u << 20) || (last && !stream.empty())) {
            chunk(file, "IDAT", stream);
            stream.clear();
        }
    };
    for (int b = 0; b < bands; ++b) {
        stream.insert(stream.end(), packed.begin(), packed.end());
        flushIdat(false);
    }
    const Bytes end = deflateAlone(rest, Z_FINISH);
    stream.insert(stream.end(), end.begin(), end.end());
    put32(stream, static_cast<uint32_t>(adler));
    flushIdat(true);
    chunk(file, "IEND", {});
    return bool(file);
}
