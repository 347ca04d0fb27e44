// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TableTexts.h"
#include "rules/Drum.h"

#include <QTest>

using Message = WordRound::Message;
using Kind = WordRound::Message::Kind;

Q_DECLARE_METATYPE(WordRound::Message)

// The rules speak in codes; the table must say every one of them in the
// game's own words, exactly.
class TableTextsTest : public QObject {
    Q_OBJECT
private slots:
    void everyMessageReadsAsTheGameSaysIt_data();
    void everyMessageReadsAsTheGameSaysIt();
    void computerLineFollowsItsSteps();
};

void TableTextsTest::everyMessageReadsAsTheGameSaysIt_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << Message{} << QString();
    QTest::newRow("topic") << Message{Kind::Topic, "Фрукты"} << "Тема: Фрукты";
    QTest::newRow("pass") << Message{Kind::Sector, {}, 1} << "Переход хода!";
    QTest::newRow("50") << Message{Kind::Sector, {}, 2} << "50 очков, буква?";
    QTest::newRow("double") << Message{Kind::Sector, {}, 3} << "Ваши очки умножаются на 2, буква?";
    QTest::newRow("bankrupt") << Message{Kind::Sector, {}, drum::bankruptSector} << "Вы банкрот!";
    QTest::newRow("plus") << Message{Kind::Sector, {}, drum::plusSector}
                          << "Сектор плюс, какую открыть букву?";
    QTest::newRow("80") << Message{Kind::Sector, {}, 11} << "80 очков, буква?";
    QTest::newRow("found") << Message{Kind::LetterFound} << "Есть такая буква в этом слове!";
    QTest::newRow("missing") << Message{Kind::LetterMissing} << "Нет такой буквы в этом слове!";
    QTest::newRow("plus cell") << Message{Kind::PlusCell, {}, 0, 4, u'О'} << "4 буква это - О";
    QTest::newRow("boxes") << Message{Kind::ChooseBox} << "Выбирайте шкатулку!";
    QTest::newRow("prize") << Message{Kind::BoxWithPrize} << "Наверно вы знали!";
    QTest::newRow("empty") << Message{Kind::EmptyBox} << "Увы эта шкатулка пуста!";
    QTest::newRow("opened") << Message{Kind::WordOpened, "Аня"} << "Аня открыл слово!";
    QTest::newRow("guessed") << Message{Kind::WordGuessed, "Аня"} << "Аня угадал слово!";
    QTest::newRow("champion") << Message{Kind::Champion, "Аня"} << "Аня ПОБЕДИТЕЛЬ!";
    QTest::newRow("wrong") << Message{Kind::WrongWord, "Аня"} << "Аня ошибся!";
    QTest::newRow("nobody") << Message{Kind::NoWinner} << "Нет победителя!";
}

void TableTextsTest::everyMessageReadsAsTheGameSaysIt()
{
    QFETCH(Message, message);
    QFETCH(QString, text);
    QCOMPARE(TableTexts::message(message), text);
}

void TableTextsTest::computerLineFollowsItsSteps()
{
    using Phase = WordRound::Phase;
    QCOMPARE(TableTexts::computerLine(Phase::AwaitingSpin, 0), QStringLiteral("Кручу барабан"));
    QCOMPARE(TableTexts::computerLine(Phase::DrumTurning, 0), QStringLiteral("Кручу барабан"));
    QCOMPARE(TableTexts::computerLine(Phase::AwaitingLetter, 0), QStringLiteral("Буква..."));
    QCOMPARE(TableTexts::computerLine(Phase::AwaitingLetter, 1), QStringLiteral("Буква А"));
}

QTEST_GUILESS_MAIN(TableTextsTest)
#include "TableTextsTest.moc"
