// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/GameApplication.h"
#include "platform/Fonts.h"
#include "platform/ProgramVersion.h"
#include "platform/ScreenScaling.h"
#include "platform/WaylandSeat.h"
#include "sound/SoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const helpText =
    "Использование: kordamir [--help | --version | --no-scale | --mute]\n"
    "\n"
    "Кордамир — игра в угадывание слов: три тройки игроков и финал,\n"
    "барабан, буквы и призовые шкатулки. Без параметров открывает окно игры.\n"
    "\n"
    "  --help, -h  показать эту справку и выйти\n"
    "  --version   показать версию и выйти\n"
    "  --no-scale  не растягивать игру на экран: сцена 800 × 600 точек\n"
    "              (то же, что KORDAMIR_SCALE=1; KORDAMIR_SCALE=1.5 задаёт свой масштаб)\n"
    "  --mute      начать без звука (клавиша M или динамик в окне включают его\n"
    "              и выключают; выбор запоминается в ~/.config/kordamir)\n"
    "\n"
    "Картинки и темы лежат в каталоге Data рядом с программой, а у\n"
    "установленной игры — в share/games/kordamir. Рекорды установленной игры\n"
    "хранятся в ~/.local/share/kordamir/Cfg.ini.\n"
    "\n"
    "Usage: kordamir [--help | --version | --no-scale | --mute]\n"
    "\n"
    "Kordamir is a word-guessing game with a Russian interface: three trios of\n"
    "players and a final, a drum, letters and prize boxes. Without options it\n"
    "opens the game's window.\n"
    "\n"
    "  --help, -h  print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --no-scale  do not scale the game to the screen: the scene stays 800 × 600\n"
    "              (as KORDAMIR_SCALE=1; KORDAMIR_SCALE=1.5 sets a scale of your own)\n"
    "  --mute      start without sound (the M key or the speaker on the window\n"
    "              turns it off and on; the choice is kept in ~/.config/kordamir)\n"
    "\n"
    "Pictures and topics lie in the directory Data beside the program, or in\n"
    "share/games/kordamir for an installed game, whose records are kept in\n"
    "~/.local/share/kordamir/Cfg.ini.\n";

// Answers --help and --version, and refuses what the game does not know,
// before anything needs a display; -1 when the game should start.
int answerCommandLine(int argc, char* argv[])
{
    const commandline::Request request = commandline::read(argc, argv);
    const char* const argument = request.argument.c_str();
    switch (request.action) {
    case commandline::Action::Play:
        return -1;
    case commandline::Action::Help:
        return commandline::print(helpText, stdout, stderr);
    case commandline::Action::Version:
        return commandline::print("Кордамир " + programversion::number().toStdString() + "\n", stdout,
                                  stderr);
    case commandline::Action::Refuse:
        break;
    }
    switch (request.problem) {
    case commandline::Problem::UnexpectedArgument:
        std::fprintf(stderr, "kordamir: лишний аргумент «%s»\nkordamir: unexpected argument '%s'\n", argument,
                     argument);
        break;
    case commandline::Problem::MissingValue:
        std::fprintf(stderr, "kordamir: параметру «%s» нужно значение\nkordamir: option '%s' needs a value\n",
                     argument, argument);
        break;
    case commandline::Problem::UnknownOption:
    case commandline::Problem::None:
        std::fprintf(stderr, "kordamir: неизвестный параметр «%s»\nkordamir: unknown option '%s'\n", argument,
                     argument);
        break;
    }
    std::fputs("Справка / help: kordamir --help\n", stderr);
    return 2;
}

// Without a display Qt aborts with advice to reinstall, which helps nobody.
bool displayMissing()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "xcb" && !platform.startsWith("wayland"))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// True when the toolkit is going to look for its Wayland platform (named,
// or the only session there is) and none is installed: Qt would then say
// that it cannot reach a display, or abort with advice to reinstall.
bool waylandPlatformMissing()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool wanted = platform.isEmpty() ? qEnvironmentVariableIsEmpty("DISPLAY")
                                                 && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                           : platform.startsWith("wayland");
    if (!wanted)
        return false;
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& folder : std::as_const(folders)) {
        if (!QDir(folder + QStringLiteral("/platforms"))
                 .entryList({QStringLiteral("libqwayland*")}, QDir::Files)
                 .isEmpty())
            return false;
    }
    return true;
}

void reportMissingWaylandPlatform()
{
    std::fputs("Кордамир: в этом сеансе Wayland нет модуля Wayland для Qt 6.\n"
               "Установите пакет qt6-wayland (sudo apt-get install qt6-wayland)\n"
               "или запустите игру в сеансе X11.\n"
               "Kordamir: this Wayland session needs Qt 6's Wayland platform, which is not installed.\n"
               "Install the qt6-wayland package (sudo apt-get install qt6-wayland)\n"
               "or start the game in an X11 session.\n",
               stderr);
}

QtMessageHandler toolkitHandler = nullptr;
bool displayRefused = false;
bool platformMissing = false;

// A display that is named but cannot be reached (a session that has ended,
// a forwarded display that has gone) ends the toolkit's start with advice to
// reinstall and a core dump. The player is told what is wrong instead; the
// toolkit's own reason has already been printed above. Any other end of the
// start stays the toolkit's.
void reportUnreachableDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("could not connect to display"))
        || message.contains(QLatin1String("Failed to create wl_display")))
        displayRefused = true;
    if (message.contains(QLatin1String("Qt platform plugin")))
        platformMissing = true;
    if (type != QtFatalMsg || !(displayRefused || platformMissing)) {
        if (toolkitHandler)
            toolkitHandler(type, context, message);
        return;
    }
    if (!displayRefused) {
        QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (platform.isEmpty())
            platform = "xcb";
        std::fprintf(stderr,
                     "Кордамир: Qt не нашёл модуль платформы «%s». Установите пакет qt6-qpa-plugins\n"
                     "(для X11) или qt6-wayland (для Wayland).\n"
                     "Kordamir: Qt found no platform plugin '%s'. Install qt6-qpa-plugins (X11)\n"
                     "or qt6-wayland (Wayland).\n",
                     platform.constData(), platform.constData());
        std::_Exit(1);
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "Кордамир: не удалось открыть графический дисплей (DISPLAY=%s, WAYLAND_DISPLAY=%s).\n"
                 "Проверьте, что графический сеанс запущен и доступен.\n"
                 "Kordamir: cannot open the graphical display (DISPLAY=%s, WAYLAND_DISPLAY=%s).\n"
                 "Check that the graphical session is running and reachable.\n",
                 display.constData(), wayland.constData(), display.constData(), wayland.constData());
    std::_Exit(1);
}

// The menu entry's drawing, for every window's frame and the task bar.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icon/%1x%1/apps/kordamir.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const int answered = answerCommandLine(argc, argv); answered >= 0)
        return answered;
    // Read before the toolkit takes its own options out of argv.
    const bool mute = commandline::read(argc, argv).mute;
    if (displayMissing()) {
        std::fputs("Кордамир: нет графического дисплея (переменные DISPLAY и WAYLAND_DISPLAY пусты).\n"
                   "Запустите игру в графическом сеансе.\n"
                   "Kordamir: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                   "Start the game from a graphical session.\n",
                   stderr);
        return 1;
    }

    if (waylandPlatformMissing()) {
        reportMissingWaylandPlatform();
        return 1;
    }

    waylandseat::avoidTextInputWithoutSeat();
    // Off once the toolkit has its display: the screen may be asked first.
    toolkitHandler = qInstallMessageHandler(reportUnreachableDisplay);
    screenscaling::scaleToScreen(argc, argv);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitHandler);
    screenscaling::finishScaling();
    screenscaling::repaintWholeWindowsAtFractionalScale();
    // ASCII: it names the player's data folder, ~/.local/share/kordamir.
    QApplication::setApplicationName(QStringLiteral("kordamir"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kordamir.Kordamir"));
    QApplication::setWindowIcon(windowIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::installSubstitutes();

    int status = 0;
    {
        GameApplication game(GameApplication::Options{.mute = mute});
        if (!game.start())
            return 0;
        status = QApplication::exec();
    }
    // A sound server that never answered keeps the sound's thread inside
    // the toolkit's audio, whose clean-up at exit would wait as long as the
    // server does: the game ends without that clean-up.
    if (!SoundPlayer::finishLeftBehind(200)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
