// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Tournament.h"

#include <QObject>

QString Tournament::stageCaption(int stage)
{
    return stage >= GameState::finalStage ? QObject::tr("Финал") : QObject::tr("%1 тройка").arg(stage);
}

bool Tournament::isFinalSeatOpen(int seat) const
{
    return state_.TrioWithoutWinner.at(seat);
}

void Tournament::seatPlayer(int seat, PlayerKind kind, const QString& name)
{
    Player& player = state_.player(seat, state_.Stage);
    player.kind = kind;
    player.name = name;
}

int Tournament::startingScore(int seat) const
{
    if (isFinal() && !isFinalSeatOpen(seat))
        return state_.player(seat, state_.Stage).score;
    return 0;
}

void Tournament::wordWon(int seat)
{
    const Player& winner = state_.player(seat, state_.Stage);
    if (isFinal()) {
        state_.Champion = winner;
    } else {
        state_.player(state_.Stage, GameState::finalStage) = winner;
    }
    state_.Stage += 1;
}

std::optional<Player> Tournament::takeChampion()
{
    return std::exchange(state_.Champion, std::nullopt);
}

void Tournament::wordWithoutWinner()
{
    if (state_.Stage >= 1 && state_.Stage < GameState::finalStage)
        state_.TrioWithoutWinner.at(state_.Stage) = true;
    state_.Stage += 1;
}
