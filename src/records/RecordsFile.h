#pragma once

#include "records/RecordsTable.h"

#include <QByteArray>
#include <QString>

// The records file Data/Cfg.ini: eight lines in Windows-1251, each ended by
// CR LF, the last included. Odd lines are the names of entries 1..4, even
// lines their scores.
class RecordsFile {
public:
    static constexpr int lineCount = 2 * RecordsTable::entryCount;

    explicit RecordsFile(QString path);

    // The table the file holds. A missing or unreadable file is the empty
    // table, and so is every entry the file does not reach.
    RecordsTable read() const;

    // Replaces the file with the table, all at once: a write that fails at
    // any point leaves the old file whole. False on failure, see errorString().
    bool write(const RecordsTable& table);
    QString errorString() const { return error_; }

    QString path() const { return path_; }

    // Line k lands in entry (k + 1) div 2; lines past the eighth are ignored.
    // CR LF and bare LF line ends are both read.
    static RecordsTable parse(const QByteArray& bytes);
    static QByteArray format(const RecordsTable& table);
    // A name as one line of the file. The name boxes refuse what Windows-1251
    // cannot hold; should such a character arrive anyway, it is written as
    // "?", and so are line breaks, which would shift every line below.
    static QByteArray encodeName(const QString& name);

private:
    QString path_;
    QString error_;
};
