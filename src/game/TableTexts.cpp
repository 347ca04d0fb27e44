// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TableTexts.h"

#include "game/GameWindow.h"
#include "platform/EventLabel.h"
#include "rules/Drum.h"
#include "state/GameState.h"

QString TableTexts::sector(int sector)
{
    const drum::Sector& drawn = drum::sector(sector);
    switch (drawn.effect) {
    case drum::Effect::Points:
        return tr("%1 очков, буква?").arg(drawn.points);
    case drum::Effect::Double:
        return tr("Ваши очки умножаются на 2, буква?");
    case drum::Effect::PassTurn:
        return tr("Переход хода!");
    case drum::Effect::Bankrupt:
        return tr("Вы банкрот!");
    case drum::Effect::Plus:
        return tr("Сектор плюс, какую открыть букву?");
    }
    return QString();
}

QString TableTexts::message(const WordRound::Message& message)
{
    using Kind = WordRound::Message::Kind;
    switch (message.kind) {
    case Kind::None:
        return QString();
    case Kind::Topic:
        return tr("Тема: ") + message.text;
    case Kind::Sector:
        return sector(message.sector);
    case Kind::LetterFound:
        return tr("Есть такая буква в этом слове!");
    case Kind::LetterMissing:
        return tr("Нет такой буквы в этом слове!");
    case Kind::PlusCell:
        return tr("%1 буква это - %2").arg(message.cell).arg(message.letter);
    case Kind::ChooseBox:
        return tr("Выбирайте шкатулку!");
    case Kind::BoxWithPrize:
        return tr("Наверно вы знали!");
    case Kind::EmptyBox:
        return tr("Увы эта шкатулка пуста!");
    case Kind::WordOpened:
        return message.text + tr(" открыл слово!");
    case Kind::WordGuessed:
        return message.text + tr(" угадал слово!");
    case Kind::Champion:
        return message.text + tr(" ПОБЕДИТЕЛЬ!");
    case Kind::WrongWord:
        return message.text + tr(" ошибся!");
    case Kind::NoWinner:
        return tr("Нет победителя!");
    }
    return QString();
}

QString TableTexts::seat(const QString& name, int score, bool toMove)
{
    const QString scored = tr("%1, %2 очков").arg(name).arg(score);
    return toMove ? scored + tr(", ходит") : scored;
}

QString TableTexts::prizeBox(int box, bool open, bool prize)
{
    const QString named = tr("шкатулка %1").arg(box);
    if (!open)
        return named;
    return named + (prize ? tr(", с призом") : tr(", пустая"));
}

QString TableTexts::drum(int sector, bool turning)
{
    if (turning)
        return tr("барабан крутится");
    return sector > 0 ? tr("барабан: ") + TableTexts::sector(sector) : tr("барабан");
}

QString TableTexts::computerLine(WordRound::Phase phase, int chosenLetter)
{
    if (phase == WordRound::Phase::AwaitingLetter)
        return chosenLetter > 0 ? tr("Буква ") + letters::letter(chosenLetter) : tr("Буква...");
    return tr("Кручу барабан");
}

void fitTableTexts(GameWindow& window)
{
    window.messageLine()->setTextFitting(true);
    window.stageCaption()->setTextFitting(true);
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        window.nameLabel(seat)->setTextFitting(true);
        window.scoreLabel(seat)->setTextFitting(true);
        window.computerLine(seat)->setTextFitting(true);
    }
}
