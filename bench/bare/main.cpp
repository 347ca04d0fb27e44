// The yardstick: an empty Qt 6 Widgets window, shown the way the game shows
// its start window (maximised, filled with one colour). Every start and
// memory figure of the game is held against this program, measured in the
// same run.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
