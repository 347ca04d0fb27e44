// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the records file as its content, then writes the
// table back with a disk that fills after a chosen number of bytes, and checks:
// - whatever is read is a table the file can hold, at most eight shortened lines;
// - a table written and read back is the same table;
// - a write either replaces the file whole or leaves the old one byte for
//   byte, and never leaves a partial file or a leftover beside it.
#include "FuzzCheck.h"

#include "platform/Cp1251.h"
#include "records/RecordsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <sys/resource.h>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every name goes to the file unchanged: no line break, nothing outside the code page.
bool holdable(const RecordsTable& table)
{
    for (int entry = 1; entry <= RecordsTable::entryCount; ++entry) {
        const QString& name = table.RecordName.at(entry);
        for (const QChar character : name) {
            if (character == u'\r' || character == u'\n' || !cp1251::canHold(character))
                return false;
        }
    }
    return true;
}

// Makes writes past `bytes` fail as a full disk would, until destroyed.
class DiskFillsAfter {
public:
    explicit DiskFillsAfter(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~DiskFillsAfter() { setrlimit(RLIMIT_FSIZE, &saved_); }
    DiskFillsAfter(const DiskFillsAfter&) = delete;
    DiskFillsAfter& operator=(const DiskFillsAfter&) = delete;

private:
    rlimit saved_{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // In memory where there is a /dev/shm: a million runs write two million files.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/kordamir-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kordamir-fuzz-XXXXXX"));
    static const bool ignoringFileSizeSignal = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    FUZZ_CHECK(dir.isValid() && ignoringFileSizeSignal);
    if (size == 0)
        return 0;
    const QString path = dir.filePath(QStringLiteral("Cfg.ini"));

    // The first byte chooses where the disk fills during the write back; the rest is the file.
    const rlim_t fillsAt = data[0] < 128 ? RLIM_INFINITY : static_cast<rlim_t>((data[0] - 128) * 3);
    const QByteArray old(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    FUZZ_CHECK(overwrite(path, old));

    RecordsFile file(path);
    RecordsTable table = file.read();
    FUZZ_CHECK(!file.readFailed());
    FUZZ_CHECK(table == RecordsFile::parse(old));
    for (int entry = 1; entry <= RecordsTable::entryCount; ++entry)
        FUZZ_CHECK(table.RecordName.at(entry).size() <= RecordsFile::maxLineBytes);

    // Formatting is eight CR LF lines that read back as they were written.
    const QByteArray formatted = RecordsFile::format(table);
    FUZZ_CHECK(formatted.count("\r\n") == RecordsFile::lineCount && formatted.endsWith("\r\n"));
    FUZZ_CHECK(formatted.size() <= RecordsFile::maxFileBytes);
    const RecordsTable again = RecordsFile::parse(formatted);
    if (holdable(table))
        FUZZ_CHECK(again == table);
    FUZZ_CHECK(RecordsFile::format(again) == formatted || !holdable(table));
    FUZZ_CHECK(RecordsFile::parse(RecordsFile::format(again)) == again);

    // A champion enters, and the file is written back while the disk may fill.
    table.enter(QStringLiteral("Чемпион"), static_cast<qint32>(size * 37));
    const QByteArray wanted = RecordsFile::format(table);
    bool written = false;
    {
        DiskFillsAfter limit(fillsAt);
        written = file.write(table);
    }
    const QByteArray now = contentOf(path);
    FUZZ_CHECK(now == (written ? wanted : old));
    if (written)
        FUZZ_CHECK(RecordsFile(path).read() == RecordsFile::parse(wanted));
    else
        FUZZ_CHECK(file.failure() == RecordsFile::Failure::DiskFull && !file.errorString().isEmpty());
    FUZZ_CHECK(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        == QStringList{QStringLiteral("Cfg.ini")});
    return 0;
}
