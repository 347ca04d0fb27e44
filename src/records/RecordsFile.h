// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/RecordsTable.h"

#include <QByteArray>
#include <QString>

// The records file Data/Cfg.ini: eight lines in Windows-1251, each ended by
// CR LF, the last included. Odd lines are the names of entries 1..4, even
// lines their scores.
class RecordsFile {
public:
    static constexpr int lineCount = 2 * RecordsTable::entryCount;
    // A line is cut after this many bytes. A name box takes 17 characters and
    // a score 11; the margin is for names typed into the file by hand, and the
    // cut keeps a damaged file from costing more than eight such lines.
    static constexpr int maxLineBytes = 255;
    // The most the reader takes from the file: eight full lines with CR LF.
    static constexpr int maxFileBytes = lineCount * (maxLineBytes + 2);

    // Why the file could not be read or replaced, as far as a player can act on it.
    // NoFolder: the game has no place to keep the table (an empty path).
    enum class Failure { None, NoPermission, ReadOnlyDisk, DiskFull, NotRegularFile, NoFolder, Other };

    // An empty path is a table kept nowhere: it reads as the empty table and
    // every write fails with NoFolder, touching nothing.
    explicit RecordsFile(QString path);

    static QString fileName() { return QStringLiteral("Cfg.ini"); }

    // The table the file holds, read from its first maxFileBytes bytes; every
    // entry the file does not reach is empty. A missing file is the empty
    // table. A file that exists but cannot be read, or is no regular file (a
    // FIFO is never waited for), reads as the empty table with readFailed():
    // such a file must be left as it is.
    RecordsTable read();
    bool readFailed() const { return readFailure_ != Failure::None; }

    // Replaces the file with the table, all at once: a write that fails at
    // any point leaves the old file whole, and nothing but a regular file (or
    // a link to one) is ever replaced. False on failure, see errorString().
    bool write(const RecordsTable& table);

    Failure failure() const { return failure_; }
    // The last failure of read() or write() in a few Russian words.
    QString errorString() const { return reason(failure_); }
    static QString reason(Failure failure);

    // Removes what killed writes left beside the file: regular files named
    // with the game's own mark (".Cfg.ini.kordamir-" and six letters or
    // digits) and older than any write in progress. Nothing else is touched:
    // a player's "Cfg.ini.backup" stays. Returns how many were removed.
    int removeLeftovers() const;

    // The start of the name of a new copy being written beside `records`.
    static QString copyPrefix(const QString& records);
    // A copy this much older than now is no write in progress.
    static constexpr int leftoverAgeSeconds = 60;

    QString path() const { return path_; }

    // Line k lands in entry (k + 1) div 2; lines past the eighth are ignored,
    // every line is cut after maxLineBytes. CR LF and bare LF line ends are both read.
    static RecordsTable parse(const QByteArray& bytes);
    static QByteArray format(const RecordsTable& table);
    // A name as one line of the file, at most maxLineBytes long. The name
    // boxes refuse what Windows-1251 cannot hold; should such a character
    // arrive anyway, it is written as "?", and so are line breaks, which
    // would shift every line below.
    static QByteArray encodeName(const QString& name);

private:
    QString path_;
    Failure readFailure_ = Failure::None;
    Failure failure_ = Failure::None;
};
