// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the file formats, measured in this process on the core library:
// the records file read and rewritten, and a long name through Windows-1251.
#include "Figures.h"

#include "platform/Cp1251.h"
#include "records/RecordsFile.h"

#include <QElapsedTimer>
#include <QString>

#include <filesystem>

namespace {

// ms per call of work, median over batches.
std::vector<double> timed(int batches, int perBatch, const std::function<void()>& work)
{
    std::vector<double> samples;
    for (int batch = 0; batch < batches; ++batch) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < perBatch; ++i)
            work();
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6 / perBatch);
    }
    return samples;
}

RecordsTable tableWith(const QString& firstName)
{
    RecordsTable table;
    table.RecordName = {QString(), firstName, QStringLiteral("Ольга"), QStringLiteral("Пётр"),
                        QStringLiteral("Анна")};
    table.RecordScore = {0, 900, 700, 500, 300};
    return table;
}

} // namespace

void coreFigures(Report& report, bool quick, const std::string& work)
{
    const int batches = quick ? 3 : 9;
    const QString path = QString::fromStdString(work + "/Cfg.ini");
    RecordsFile file(path);

    file.write(tableWith(QStringLiteral("Василиса")));
    report.add({"records file: read", "ms", timed(batches, 50, [&] { (void)file.read(); })});
    report.add({"records file: rewrite (atomic replace)", "ms",
                timed(batches, 20, [&] { file.write(tableWith(QStringLiteral("Василиса"))); })});

    // A name far longer than a box lets anyone type: what a hand-edited file can hold.
    const int length = quick ? 10000 : 100000;
    QString longName;
    for (int i = 0; i < length; ++i)
        longName += QChar(0x0410 + i % 32);
    const std::string label = quick ? "10,000" : "100,000";
    report.add({"Windows-1251: encode a name of " + label + " letters", "ms",
                timed(batches, 1, [&] { (void)cp1251::encode(longName); })});
    const QByteArray bytes = cp1251::encode(longName).value_or(QByteArray());
    report.add({"Windows-1251: decode a name of " + label + " letters", "ms",
                timed(batches, 1, [&] { (void)cp1251::decode(bytes); })});
    report.add({"records file: rewrite with that name", "ms",
                timed(batches, 1, [&] { file.write(tableWith(longName)); })});
    report.add({"records file: read with that name", "ms", timed(batches, 1, [&] { (void)file.read(); })});
    std::filesystem::remove(work + "/Cfg.ini");
}
