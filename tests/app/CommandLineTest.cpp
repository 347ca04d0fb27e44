// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QStringList>
#include <QTest>

#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using commandline::Action;
using commandline::Problem;

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Problem)

// A mistyped option must end the program with a message, never start a
// full-screen game; the toolkit's own options must still reach it.
namespace {

// The arguments as the program receives them after its own name.
commandline::Request readArguments(const QStringList& arguments)
{
    std::vector<QByteArray> bytes{QByteArrayLiteral("kordamir")};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    return commandline::read(int(argv.size()), argv.data());
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void eachArgumentIsTakenOrRefused_data();
    void eachArgumentIsTakenOrRefused();
    void answerLostOnTheWayIsAnError_data();
    void answerLostOnTheWayIsAnError();
    void muteIsTakenWhereverItStands_data();
    void muteIsTakenWhereverItStands();
};

void CommandLineTest::eachArgumentIsTakenOrRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("refused");

    QTest::newRow("none") << QStringList{} << Action::Play << Problem::None << "";
    QTest::newRow("own option") << QStringList{"--no-scale"} << Action::Play << Problem::None << "";
    QTest::newRow("help, short") << QStringList{"-h"} << Action::Help << Problem::None << "";
    QTest::newRow("version after an own option")
        << QStringList{"--no-scale", "--version"} << Action::Version << Problem::None << "";
    QTest::newRow("unknown long option")
        << QStringList{"--bogus-option"} << Action::Refuse << Problem::UnknownOption << "--bogus-option";
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << Action::Refuse << Problem::UnknownOption << "-x";
    QTest::newRow("own option with a value it does not take")
        << QStringList{"--no-scale=1"} << Action::Refuse << Problem::UnknownOption << "--no-scale=1";
    QTest::newRow("a word") << QStringList{"Города"} << Action::Refuse << Problem::UnexpectedArgument
                            << "Города";
    QTest::newRow("a lone dash") << QStringList{"-"} << Action::Refuse << Problem::UnexpectedArgument << "-";
    QTest::newRow("after the end of options")
        << QStringList{"--", "--help"} << Action::Refuse << Problem::UnexpectedArgument << "--help";
    QTest::newRow("end of options alone") << QStringList{"--"} << Action::Play << Problem::None << "";
    // The first decisive argument wins, as GNU programs read them.
    QTest::newRow("unknown before help")
        << QStringList{"--bogus", "--help"} << Action::Refuse << Problem::UnknownOption << "--bogus";
    QTest::newRow("help before unknown")
        << QStringList{"--help", "--bogus"} << Action::Help << Problem::None << "";
    // The toolkit's options, with their value in the next argument or after '='.
    QTest::newRow("toolkit value next")
        << QStringList{"-platform", "offscreen", "--no-scale"} << Action::Play << Problem::None << "";
    QTest::newRow("toolkit value after =")
        << QStringList{"--style=fusion"} << Action::Play << Problem::None << "";
    QTest::newRow("toolkit flag") << QStringList{"-reverse"} << Action::Play << Problem::None << "";
    // The value is not read as an option of the game's.
    QTest::newRow("toolkit value that looks like an option")
        << QStringList{"-qwindowtitle", "--version"} << Action::Play << Problem::None << "";
    QTest::newRow("toolkit option without its value")
        << QStringList{"-platform"} << Action::Refuse << Problem::MissingValue << "-platform";
    QTest::newRow("toolkit flag given a value")
        << QStringList{"-reverse=1"} << Action::Refuse << Problem::UnknownOption << "-reverse=1";
}

void CommandLineTest::eachArgumentIsTakenOrRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(Problem, problem);
    QFETCH(QString, refused);

    const commandline::Request request = readArguments(arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.problem, problem);
    QCOMPARE(QString::fromStdString(request.argument), refused);
}

namespace {

QByteArray readBack(std::FILE* file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file))
        bytes.append(buffer, qsizetype(got));
    return bytes;
}

} // namespace

void CommandLineTest::answerLostOnTheWayIsAnError_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason"); // in the message on the error output; empty: no message
    QTest::newRow("a file") << "file" << 0 << "";
    QTest::newRow("a full disk (--help >/dev/full)") << "full" << 1 << "No space left on device";
    QTest::newRow("a closed output (--version >&-)") << "closed" << 1 << "Bad file descriptor";
}

void CommandLineTest::answerLostOnTheWayIsAnError()
{
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, reason);

    std::FILE* err = std::tmpfile();
    QVERIFY(err);
    std::FILE* out = nullptr;
    if (output == "file") {
        out = std::tmpfile();
    } else if (output == "full") {
        out = std::fopen("/dev/full", "w");
    } else {
        // Opened, then its descriptor closed under it: what a program
        // started with its output closed writes into.
        const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        out = ::fdopen(fd, "w");
        ::close(fd);
    }
    QVERIFY(out);
    // Short enough to sit in the buffer until the flush.
    const std::string text = "Кордамир 1.0\n";
    QCOMPARE(commandline::print(text, out, err), status);

    const QString message = QString::fromUtf8(readBack(err));
    if (reason.isEmpty()) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QCOMPARE(readBack(out), QByteArray::fromStdString(text));
    } else {
        QVERIFY2(message.contains(QStringLiteral("kordamir: ошибка вывода: ") + reason), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("kordamir: write error: ") + reason), qPrintable(message));
    }
    std::fclose(out);
    std::fclose(err);
}

void CommandLineTest::muteIsTakenWhereverItStands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("mute");

    QTest::newRow("none") << QStringList{} << Action::Play << false;
    QTest::newRow("alone") << QStringList{"--mute"} << Action::Play << true;
    QTest::newRow("among the toolkit's")
        << QStringList{"-platform", "xcb", "--mute", "--no-scale"} << Action::Play << true;
    // Taken as the toolkit's value, not as the game's option.
    QTest::newRow("as a toolkit option's value")
        << QStringList{"-qwindowtitle", "--mute"} << Action::Play << false;
    QTest::newRow("with a value it does not take") << QStringList{"--mute=yes"} << Action::Refuse << false;
    QTest::newRow("single dash is unknown") << QStringList{"-mute"} << Action::Refuse << false;
}

void CommandLineTest::muteIsTakenWhereverItStands()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(bool, mute);

    const commandline::Request request = readArguments(arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.mute, mute);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
