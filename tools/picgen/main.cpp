// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kordamir_picgen <DataDir>: draws every picture the game loads into DataDir.
// kordamir_picgen --icons <ThemeDir> <size>...: draws the menu icon.
// The files keep the game's historic .res names; the game recognises PNG by content.

#include "Icon.h"
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--icons") == 0) {
        QList<int> sizes;
        for (int i = 3; i < argc; ++i)
            sizes.append(QByteArray(argv[i]).toInt());
        return picgen::writeIcons(QString::fromLocal8Bit(argv[2]), sizes) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: kordamir_picgen <DataDir>\n");
        return 2;
    }

    const QStringList failed = picgen::writeAll(QDir(QString::fromLocal8Bit(argv[1])));
    for (const QString& path : failed)
        std::fprintf(stderr, "kordamir_picgen: cannot write %s\n", qPrintable(path));
    return failed.isEmpty() ? 0 : 1;
}
