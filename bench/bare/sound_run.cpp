// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the game's sound: a program that does nothing but play
// runs of sound through Qt's audio output, asking the least of it that the
// game's drum asks: one stream on a thread of its own, a half-second
// buffer, each run written whole. What a run costs here is the toolkit's
// and the sound server client's floor for a spin's clacks.
//
//   kordamir-bare-sound OUT RUNS RUN_MS WINDOW_MS
//
// Once the stream is ready it writes RUNS runs of RUN_MS milliseconds, one
// every four seconds, and for each writes to OUT one line: the CPU of all
// its threads from the write until WINDOW_MS later, in ms.
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

double cpuMs()
{
    double total = 0;
    std::error_code error;
    for (const auto& task : fs::directory_iterator("/proc/self/task", error)) {
        std::ifstream in(task.path() / "schedstat");
        double ns = 0;
        if (in >> ns)
            total += ns / 1e6;
    }
    return total;
}

// A click every 50 ms, a burst of a few milliseconds: what is played does
// not change what it costs, as long as it is not silence.
QByteArray clicks(const QAudioFormat& format, int ms)
{
    QByteArray run(format.bytesForDuration(qint64(ms) * 1000), '\0');
    auto* samples = reinterpret_cast<qint16*>(run.data());
    const qsizetype count = run.size() / qsizetype(sizeof(qint16));
    const int every = format.sampleRate() / 20;
    for (qsizetype i = 0; i < count; ++i) {
        const int into = int(i % every);
        if (into < every / 10)
            samples[i] = qint16(8000 * std::sin(into * 0.3) * (1.0 - double(into) / (every / 10)));
    }
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::cerr << "usage: kordamir-bare-sound OUT RUNS RUN_MS WINDOW_MS\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    const int runs = std::atoi(argv[2]);
    const int runMs = std::atoi(argv[3]);
    const milliseconds window{std::atoi(argv[4])};

    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QThread* player = QThread::create([&] {
        QAudioSink sink(QMediaDevices::defaultAudioOutput(), format);
        sink.setBufferSize(format.bytesForDuration(500 * 1000));
        QIODevice* input = sink.start();
        const QByteArray samples = clicks(format, runMs);
        std::this_thread::sleep_for(milliseconds(2000));
        for (int run = 0; run < runs && input; ++run) {
            const double before = cpuMs();
            QCoreApplication::processEvents();
            input->write(samples);
            std::this_thread::sleep_for(window);
            out << cpuMs() - before << std::endl;
            std::this_thread::sleep_for(milliseconds(4000) - window);
        }
        sink.stop();
    });
    player->start();
    player->wait();
    delete player;
    return 0;
}
