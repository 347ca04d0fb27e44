#include "platform/Fonts.h"
#include "start/GameApplication.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Кордамир"));
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::installSubstitutes();

    GameApplication game;
    if (!game.start())
        return 0;
    return QApplication::exec();
}
