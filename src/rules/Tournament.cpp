// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Tournament.h"

#include <QObject>

QString Tournament::stageCaption(int stage)
{
    return stage >= GameState::finalStage ? QObject::tr("Финал") : QObject::tr("%1 тройка").arg(stage);
}

Tournament::Phase Tournament::phase() const
{
    if (state_.Stage < 1)
        return Phase::NotStarted;
    if (isOver())
        return Phase::Over;
    if (state_.WordFinished)
        return Phase::StageOver;
    if (state_.WordLength > 0)
        return Phase::WordInPlay;
    return Phase::Seating;
}

bool Tournament::setUpStage()
{
    if (phase() != Phase::Seating && phase() != Phase::StageOver)
        return false;
    state_.setUpStage();
    return true;
}

bool Tournament::isFinalSeatOpen(int seat) const
{
    return state_.TrioWithoutWinner.at(seat);
}

bool Tournament::seatPlayer(int seat, PlayerKind kind, const QString& name)
{
    if (phase() != Phase::Seating || seat < 1 || seat > GameState::seatCount)
        return false;
    Player& player = state_.player(seat, state_.Stage);
    player.kind = kind;
    player.name = name;
    return true;
}

int Tournament::startingScore(int seat) const
{
    if (isFinal() && !isFinalSeatOpen(seat))
        return state_.player(seat, state_.Stage).score;
    return 0;
}

bool Tournament::wordWon(int seat)
{
    if (phase() != Phase::WordInPlay || seat < 1 || seat > GameState::seatCount)
        return false;
    const Player& winner = state_.player(seat, state_.Stage);
    if (isFinal()) {
        state_.Champion = winner;
    } else {
        state_.player(state_.Stage, GameState::finalStage) = winner;
    }
    state_.Stage += 1;
    state_.WordFinished = true;
    return true;
}

std::optional<Player> Tournament::takeChampion()
{
    return std::exchange(state_.Champion, std::nullopt);
}

std::optional<Tournament::ChampionEntry> Tournament::enterChampion(RecordsTable* table)
{
    std::optional<Player> champion = takeChampion();
    if (!champion)
        return std::nullopt;
    const int row = table ? table->enter(champion->name, champion->score) : 0;
    return ChampionEntry{std::move(*champion), row};
}

bool Tournament::wordWithoutWinner()
{
    if (phase() != Phase::WordInPlay)
        return false;
    if (!isFinal())
        state_.TrioWithoutWinner.at(state_.Stage) = true;
    state_.Stage += 1;
    state_.WordFinished = true;
    return true;
}
