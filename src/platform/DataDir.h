#pragma once

#include <QString>

// Everything the game shows or keeps lies below the directory Data beside the
// executable. Paths are formed from the executable's directory, never from the
// working directory.
class DataDir {
public:
    // The directory that holds Data: by default the executable's directory.
    explicit DataDir(QString baseDir);
    static DataDir besideExecutable();

    // Full path of a file below Data, e.g. path("Scr/Osn.res").
    QString path(const QString& relative) const;
    QString root() const;

private:
    QString baseDir_;
};
