// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "AsPlainUser.h"
#include "FileSizeLimit.h"

#include "platform/Cp1251.h"
#include "platform/DataDir.h"
#include "platform/EventLabel.h"
#include "platform/OutlinedLabel.h"
#include "platform/WindowNames.h"
#include "records/RecordsWindow.h"
#include "start/StartWindow.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <optional>

#include <sys/stat.h>

namespace {

const QColor black(0x00, 0x00, 0x00);
const QColor green(0x00, 0xFF, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor menuBand(0x80, 0xFF, 0x80);
// Long ago, so that any write of the file shows in its time.
const QDateTime untouched(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

const QString fullText = QStringLiteral("Ира\r\n500\r\nОлег\r\n400\r\nЯна\r\n300\r\nЛёва\r\n200\r\n");
const QString emptyText = QStringLiteral("\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n");

void writeRecords(TestPlatform& test, const QString& text)
{
    test.writeData(QStringLiteral("Cfg.ini"), cp1251::encode(text).value());
    QFile file(test.dataPath(QStringLiteral("Cfg.ini")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(untouched, QFileDevice::FileModificationTime));
}

QString recordsText(TestPlatform& test)
{
    QFile file(test.dataPath(QStringLiteral("Cfg.ini")));
    return file.open(QIODevice::ReadOnly) ? cp1251::decode(file.readAll()) : QString();
}

bool recordsWritten(TestPlatform& test)
{
    return QFileInfo(test.dataPath(QStringLiteral("Cfg.ini"))).lastModified() != untouched;
}

RecordsWindow* openRecords(TestPlatform& test, const QString& name = {}, const QString& score = {})
{
    if (!name.isEmpty() || !score.isEmpty())
        test.state.Champion = Player{PlayerKind::Person, name, score.toInt()};
    test.defineWindows();
    return qobject_cast<RecordsWindow*>(test.platform->windows.show(windownames::records));
}

// Names and scores of rows 1..4 as the file's lines would give them.
QString shownTable(RecordsWindow* window)
{
    QString text;
    for (int row = 1; row <= 4; ++row)
        text += window->nameLabel(row)->text() + "\r\n" + window->scoreLabel(row)->text() + "\r\n";
    return text;
}

// The row whose name and score are green; -1 when none is, -2 when the colours disagree.
int greenRow(RecordsWindow* window)
{
    QList<int> rows;
    for (int row = 0; row <= 4; ++row) {
        if (window->nameLabel(row)->textColour() == green)
            rows << row;
        if (window->scoreLabel(row)->textColour() == green)
            rows << row;
    }
    if (rows.isEmpty())
        return -1;
    return rows.size() == 2 && rows.first() == rows.last() ? rows.first() : -2;
}

} // namespace

class RecordsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheTableOverItsPicture();
    void championEntersAtTheFirstEntryBeatenOrInRowZero_data();
    void championEntersAtTheFirstEntryBeatenOrInRowZero();
    void secondOpeningEntersNothing();
    void unsavedResultIsStillShownAndTheBoxSaysSo_data();
    void unsavedResultIsStillShownAndTheBoxSaysSo();
    void withNowhereToKeepResultsDataTableIsShownAndTheWindowSaysWhy();
    void menuBandFollowsThePointerAndThePictureStaysCentred();
    void menuTurnsRedOnPressAndItsReleaseReturnsToANewStartWindow();
    void keysThatLeaveAWindowReturnToTheMenu_data();
    void keysThatLeaveAWindowReturnToTheMenu();
    void recordsEntryOfTheStartMenuShowsTheTableAndUnloadsTheMenu();

    void rowsAreNamedWithTheirPlace_data();
    void rowsAreNamedWithTheirPlace();
    void enteredRowKeepsItsGreenWithARim();
    void menuIsAButtonWhosePressReturnsToTheMenu();
};

void RecordsWindowTest::showsTheTableOverItsPicture()
{
    TestPlatform test;
    writeRecords(test, fullText);
    RecordsWindow* window = openRecords(test);
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("Конец"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Кордамир"));
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(window->picture()->objectName(), QStringLiteral("backdrop"));
    QCOMPARE(window->picture()->size(), QSize(800, 600));
    test.platform->pictures.deliverAll();
    QVERIFY(!window->picture()->pixmap().isNull());

    QCOMPARE(shownTable(window), fullText);
    const std::array<int, 5> tops{264, 104, 140, 176, 212};
    for (int row = 0; row <= 4; ++row) {
        EventLabel* name = window->nameLabel(row);
        EventLabel* score = window->scoreLabel(row);
        QCOMPARE(name->objectName(), QStringLiteral("recordName%1").arg(row));
        QCOMPARE(score->objectName(), QStringLiteral("recordScore%1").arg(row));
        QCOMPARE(name->parentWidget(), window->picture());
        QCOMPARE(name->geometry(), QRect(12, tops.at(row), 281, 41));
        QCOMPARE(score->geometry(), QRect(300, tops.at(row), 93, 41));
        for (EventLabel* label : {name, score}) {
            QCOMPARE(label->alignment(), Qt::AlignCenter);
            QCOMPARE(label->textColour(), black);
            QVERIFY(!label->isBackgroundOpaque());
        }
    }
    QVERIFY(window->nameLabel(0)->text().isEmpty());
    QVERIFY(window->scoreLabel(0)->text().isEmpty());

    EventLabel* menu = window->menuLabel();
    QCOMPARE(menu->objectName(), QStringLiteral("menu"));
    QCOMPARE(menu->text(), QStringLiteral("Меню"));
    QCOMPARE(menu->geometry(), QRect(612, 464, 157, 65));
    QCOMPARE(menu->textColour(), black);
    QVERIFY(menu->isBackgroundOpaque());
    QCOMPARE(menu->backgroundColour(), menuBand);
    QVERIFY(test.dialogs.messages.isEmpty());
}

void RecordsWindowTest::championEntersAtTheFirstEntryBeatenOrInRowZero_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("green"); // -1: no row

    QTest::newRow("450 overwrites the 400, nothing shifts")
        << fullText << "Вика"
        << "450"
        << "Ира\r\n500\r\nВика\r\n450\r\nЯна\r\n300\r\nЛёва\r\n200\r\n"
        << 2;
    QTest::newRow("400 does not beat an equal 400")
        << fullText << "Вика"
        << "400"
        << "Ира\r\n500\r\nОлег\r\n400\r\nВика\r\n400\r\nЛёва\r\n200\r\n"
        << 3;
    QTest::newRow("200 equals the last entry: row 0") << fullText << "Вика"
                                                      << "200" << fullText << 0;
    QTest::newRow("100 beats nothing: row 0") << fullText << "Вика"
                                              << "100" << fullText << 0;
    QTest::newRow("40000 tops the table whole")
        << fullText << "Вика"
        << "40000"
        << "Вика\r\n40000\r\nОлег\r\n400\r\nЯна\r\n300\r\nЛёва\r\n200\r\n"
        << 1;
    QTest::newRow("150 into the empty table") << emptyText << "Вика"
                                              << "150"
                                              << "Вика\r\n150\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n"
                                              << 1;
    QTest::newRow("0 does not beat the empty table") << emptyText << "Вика"
                                                     << "0" << emptyText << 0;
    QTest::newRow("no winner: the file is only read") << fullText << ""
                                                      << "" << fullText << -1;
}

void RecordsWindowTest::championEntersAtTheFirstEntryBeatenOrInRowZero()
{
    QFETCH(QString, before);
    QFETCH(QString, name);
    QFETCH(QString, score);
    QFETCH(QString, after);
    QFETCH(int, green);

    TestPlatform test;
    writeRecords(test, before);
    RecordsWindow* window = openRecords(test, name, score);
    QVERIFY(window);

    QCOMPARE(recordsText(test), after);
    QCOMPARE(recordsWritten(test), green != -1);
    QCOMPARE(shownTable(window), after);
    QCOMPARE(greenRow(window), green);
    QCOMPARE(window->nameLabel(0)->text(), green == 0 ? name : QString());
    QCOMPARE(window->scoreLabel(0)->text(), green == 0 ? score : QString());
    QVERIFY(!test.state.Champion);
    QVERIFY(test.dialogs.messages.isEmpty());
}

void RecordsWindowTest::secondOpeningEntersNothing()
{
    TestPlatform test;
    writeRecords(test, fullText);
    QVERIFY(openRecords(test, QStringLiteral("Вика"), QStringLiteral("450")));
    test.platform->windows.unload(windownames::records);
    TestPlatform::flushUnloads();
    const QString entered = recordsText(test);
    writeRecords(test, entered);

    RecordsWindow* again = openRecords(test);
    QVERIFY(!test.state.Champion);
    QVERIFY(again);
    QCOMPARE(shownTable(again), entered);
    QCOMPARE(greenRow(again), -1);
    QVERIFY(again->nameLabel(0)->text().isEmpty());
    QVERIFY(!recordsWritten(test));
}

void RecordsWindowTest::unsavedResultIsStillShownAndTheBoxSaysSo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("green");
    QTest::addColumn<QString>("box");
    const QString unread = QStringLiteral(
        "Не удалось прочитать таблицу рекордов: %1. Файл оставлен как есть. "
        "Результат не сохранён.");
    const QString notRegular = unread.arg(QStringLiteral("на месте файла лежит не обычный файл"));
    QTest::newRow("the disk fills while writing")
        << "full"
        << "Ира\r\n500\r\nВика\r\n450\r\nЯна\r\n300\r\nЛёва\r\n200\r\n"
        << 2 << "Не удалось сохранить таблицу рекордов: на диске нет места. Прежняя таблица не изменена.";
    // Files that are there but cannot be read: shown empty, the result in row 0, never replaced.
    QTest::newRow("the file's name is taken by a directory") << "directory" << emptyText << 0 << notRegular;
    QTest::newRow("a FIFO under the file's name") << "fifo" << emptyText << 0 << notRegular;
    QTest::newRow("a file the player may not read")
        << "closed" << emptyText << 0 << unread.arg(QStringLiteral("нет прав доступа к файлу"));
}

void RecordsWindowTest::unsavedResultIsStillShownAndTheBoxSaysSo()
{
    QFETCH(QString, kind);
    QFETCH(QString, shown);
    QFETCH(int, green);
    QFETCH(QString, box);
    const bool diskFills = kind == "full";

    TestPlatform test;
    const QString path = test.dataPath(QStringLiteral("Cfg.ini"));
    const QByteArray native = QFile::encodeName(path);
    if (diskFills || kind == "closed") {
        writeRecords(test, fullText);
    } else {
        test.removeData(QStringLiteral("Cfg.ini"));
        if (kind == "fifo")
            QCOMPARE(mkfifo(native.constData(), 0644), 0);
        else
            QVERIFY(QDir().mkdir(path));
    }
    if (kind == "closed") {
        // Only the file's own bits keep the player out: theirs, writable but
        // not readable, in a folder open to all.
        QCOMPARE(chmod(native.constData(), 0200), 0);
        if (geteuid() == 0)
            QCOMPARE(chown(native.constData(), AsPlainUser::nobody, AsPlainUser::nobody), 0);
        QCOMPARE(chmod(QFile::encodeName(test.baseDir.path()).constData(), 0755), 0);
        QCOMPARE(chmod(QFile::encodeName(test.dataPath(QString())).constData(), 0777), 0);
    }
    struct stat before {};
    QCOMPARE(lstat(native.constData(), &before), 0);
    QPointer<RecordsWindow> window;
    bool tableBehindTheBox = false;
    test.dialogs.whileOpen = [&] {
        tableBehindTheBox = window && window->isVisible() && shownTable(window) == shown
                            && greenRow(window) == green;
    };
    test.defineWindows();
    test.state.Champion = Player{PlayerKind::Person, QStringLiteral("Вика"), 450};
    test.platform->windows.define(windownames::records, [&] {
        auto created = std::make_unique<RecordsWindow>(
            RecordsWindow::Services{test.platform->data, test.platform->pictures, test.dialogs,
                                    *test.navigation, test.platform->sounds},
            test.tournament);
        window = created.get();
        return created;
    });
    {
        std::optional<FileSizeLimit> limit;
        std::optional<AsPlainUser> plain;
        if (diskFills)
            limit.emplace(16);
        if (kind == "closed")
            plain.emplace();
        QVERIFY(test.platform->windows.show(windownames::records));
    }

    QCOMPARE(test.dialogs.messages.size(), 1);
    const auto& shownBox = test.dialogs.messages.first();
    QCOMPARE(shownBox.text, box);
    QCOMPARE(shownBox.icon, Dialogs::Icon::Critical);
    QCOMPARE(shownBox.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(shownBox.title, QStringLiteral("Кордамир"));
    QVERIFY(tableBehindTheBox);
    QCOMPARE(window->nameLabel(0)->text(), green == 0 ? QStringLiteral("Вика") : QString());
    QVERIFY(!test.state.Champion);
    struct stat after {};
    QCOMPARE(lstat(native.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    if (kind == "closed") // readable again, for a test run by the file's owner rather than root
        QCOMPARE(chmod(native.constData(), 0600), 0);
    if (diskFills || kind == "closed") {
        QCOMPARE(recordsText(test), fullText);
        QVERIFY(!recordsWritten(test));
    }
    QCOMPARE(QDir(test.dataPath(QString())).entryList(QDir::Files | QDir::System).size(),
             kind == "directory" ? 0 : 1);
    // Showing the window again does not repeat the box.
    window->present();
    QCOMPARE(test.dialogs.messages.size(), 1);
}

void RecordsWindowTest::withNowhereToKeepResultsDataTableIsShownAndTheWindowSaysWhy()
{
    TestPlatform test;
    writeRecords(test, fullText);
    // No home, and a Data its player cannot rewrite, though they can read it.
    const QByteArray dataFolder = QFile::encodeName(test.dataPath(QString()));
    QCOMPARE(chmod(QFile::encodeName(test.baseDir.path()).constData(), 0755), 0);
    QCOMPARE(chmod(dataFolder.constData(), 0555), 0);
    test.defineWindows();
    const QByteArray home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    const DataDir data(test.baseDir.path());
    test.state.Champion = Player{PlayerKind::Person, QStringLiteral("Вика"), 450};
    RecordsWindow window(RecordsWindow::Services{data, test.platform->pictures, test.dialogs,
                                                 *test.navigation, test.platform->sounds},
                         test.tournament);
    QVERIFY(!window.keptNowhereLabel()->isVisibleTo(&window));
    {
        const AsPlainUser plain;
        window.load();
        window.present();
    }
    qputenv("HOME", home);
    if (!dataHome.isEmpty())
        qputenv("XDG_DATA_HOME", dataHome);
    QCOMPARE(chmod(dataFolder.constData(), 0755), 0);

    // Data's own table with the result entered, and the line that says why it will not stay.
    QCOMPARE(shownTable(&window),
             QStringLiteral("Ира\r\n500\r\nВика\r\n450\r\nЯна\r\n300\r\nЛёва\r\n200\r\n"));
    QVERIFY(window.keptNowhereLabel()->isVisibleTo(&window));
    QCOMPARE(window.keptNowhereLabel()->text(),
             QStringLiteral("Рекорды не сохраняются: нет домашней папки, а папку Data изменить нельзя."));
    QCOMPARE(test.dialogs.messages.size(), 1);
    QCOMPARE(test.dialogs.messages.first().text,
             QStringLiteral("Не удалось сохранить таблицу рекордов: нет домашней папки, где её хранить. "
                            "Прежняя таблица не изменена."));
    QVERIFY(!recordsWritten(test));
}

void RecordsWindowTest::menuBandFollowsThePointerAndThePictureStaysCentred()
{
    TestPlatform test;
    RecordsWindow* window = openRecords(test);
    QVERIFY(window);
    window->showNormal();
    window->resize(1000, 800);
    QCOMPARE(window->picture()->pos(), QPoint(100, 100));

    EventLabel* menu = window->menuLabel();
    QVERIFY(menu->isBackgroundOpaque());
    QTest::mouseMove(window->picture(), QPoint(500, 20));
    QVERIFY(!menu->isBackgroundOpaque());
    QTest::mouseMove(menu, menu->rect().center());
    QVERIFY(menu->isBackgroundOpaque());
    QTest::mouseMove(window, QPoint(20, 20));
    QVERIFY(!menu->isBackgroundOpaque());
    QCOMPARE(menu->textColour(), black);
}

void RecordsWindowTest::menuTurnsRedOnPressAndItsReleaseReturnsToANewStartWindow()
{
    TestPlatform test;
    QPointer<RecordsWindow> window = openRecords(test);
    QVERIFY(window);
    EventLabel* menu = window->menuLabel();
    QTest::mousePress(menu, Qt::RightButton, {}, menu->rect().center());
    QCOMPARE(menu->textColour(), red);
    QTest::mouseMove(window->picture(), QPoint(500, 20));
    QTest::mouseMove(menu, menu->rect().center());
    QCOMPARE(menu->textColour(), red);
    QVERIFY(test.platform->windows.find(windownames::records));
    QVERIFY(!test.platform->windows.find(windownames::start));

    QTest::mouseRelease(menu, Qt::RightButton, {}, menu->rect().center());
    auto* start = test.platform->windows.find<StartWindow>(windownames::start);
    QVERIFY(start);
    QVERIFY(start->isVisible());
    QTRY_VERIFY(!start->picture()->pixmap().isNull());
    QVERIFY(!test.platform->windows.find(windownames::records));
    TestPlatform::flushUnloads();
    QVERIFY(!window);
}

void RecordsWindowTest::keysThatLeaveAWindowReturnToTheMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace);
}

// The records window used to take no key at all: a player without a mouse
// could leave it only by Alt+F4, which ended the program.
void RecordsWindowTest::keysThatLeaveAWindowReturnToTheMenu()
{
    QFETCH(int, key);
    TestPlatform test;
    QPointer<RecordsWindow> window = openRecords(test);
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_A);
    QVERIFY(test.platform->windows.find(windownames::records));
    QTest::keyClick(window, Qt::Key(key));
    QVERIFY(test.platform->windows.find<StartWindow>(windownames::start));
    QVERIFY(!test.platform->windows.find(windownames::records));
}

void RecordsWindowTest::recordsEntryOfTheStartMenuShowsTheTableAndUnloadsTheMenu()
{
    TestPlatform test;
    writeRecords(test, fullText);
    test.defineWindows();
    QPointer<StartWindow> start = qobject_cast<StartWindow*>(test.platform->windows.show(windownames::start));
    QVERIFY(start);
    EventLabel* entry = start->menuEntry(2);
    QTest::mousePress(entry, Qt::LeftButton, {}, entry->rect().center());
    QTest::mouseRelease(entry, Qt::LeftButton, {}, entry->rect().center());

    auto* records = test.platform->windows.find<RecordsWindow>(windownames::records);
    QVERIFY(records);
    QVERIFY(records->isVisible());
    QCOMPARE(shownTable(records), fullText);
    QVERIFY(!test.platform->windows.find(windownames::start));
    TestPlatform::flushUnloads();
    QVERIFY(!start);
    QVERIFY(!recordsWritten(test));
}

void RecordsWindowTest::rowsAreNamedWithTheirPlace_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<QString>("scoreText");
    QTest::newRow("a plain row") << QString() << 3 << QStringLiteral("3 место: Яна")
                                 << QStringLiteral("3 место, очки: 300");
    QTest::newRow("the new entry says so")
        << QStringLiteral("450") << 2 << QStringLiteral("2 место: Вика, новый результат")
        << QStringLiteral("2 место, очки: 450, новый результат");
    QTest::newRow("a result outside the table")
        << QStringLiteral("100") << 0 << QStringLiteral("Результат вне таблицы: Вика")
        << QStringLiteral("Результат вне таблицы, очки: 100");
}

// Heard one label at a time, "Яна" and "300" said nothing of the table.
void RecordsWindowTest::rowsAreNamedWithTheirPlace()
{
    QFETCH(QString, score);
    QFETCH(int, row);
    QFETCH(QString, nameText);
    QFETCH(QString, scoreText);
    TestPlatform test;
    writeRecords(test, fullText);
    RecordsWindow* window = openRecords(test, score.isEmpty() ? QString() : QStringLiteral("Вика"), score);
    QVERIFY(window);
    QAccessibleInterface* name = QAccessible::queryAccessibleInterface(window->nameLabel(row));
    QAccessibleInterface* points = QAccessible::queryAccessibleInterface(window->scoreLabel(row));
    QCOMPARE(name->text(QAccessible::Name), nameText);
    QCOMPARE(points->text(QAccessible::Name), scoreText);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(frame->role(), QAccessible::Window);
}

void RecordsWindowTest::enteredRowKeepsItsGreenWithARim()
{
    TestPlatform test;
    writeRecords(test, fullText);
    RecordsWindow* window = openRecords(test, QStringLiteral("Вика"), QStringLiteral("450"));
    QVERIFY(window);
    for (int row = 0; row <= 4; ++row) {
        const bool entered = row == 2;
        QCOMPARE(window->nameLabel(row)->textColour() == green, entered);
        QCOMPARE(window->nameLabel(row)->textOutline().isValid(), entered);
        QCOMPARE(window->scoreLabel(row)->textOutline().isValid(), entered);
    }
}

void RecordsWindowTest::menuIsAButtonWhosePressReturnsToTheMenu()
{
    TestPlatform test;
    QPointer<RecordsWindow> window = openRecords(test);
    QVERIFY(window);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window->menuLabel());
    QCOMPARE(menu->role(), QAccessible::Button);
    QCOMPARE(menu->text(QAccessible::Name), QStringLiteral("Меню"));
    QVERIFY(menu->actionInterface());
    menu->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QVERIFY(test.platform->windows.find<StartWindow>(windownames::start));
    QVERIFY(!test.platform->windows.find(windownames::records));
    TestPlatform::flushUnloads();
    QVERIFY(!window);
}

QTEST_MAIN(RecordsWindowTest)
#include "RecordsWindowTest.moc"
