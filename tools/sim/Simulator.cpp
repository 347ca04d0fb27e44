// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Simulator.h"

#include "rules/Score.h"
#include "rules/Tournament.h"
#include "sound/RoundSounds.h"

#include <algorithm>
#include <utility>

namespace {

// Russian letters from the most to the least frequent in running text (Ё counted as Е).
const QString byFrequency = QStringLiteral("ОЕАИНТСРВЛКМДПУЯЫЬГЗБЧЙХЖШЮЦЩЭФЪ");

// No word of 11 letters needs anywhere near this many steps; reaching it means
// the rules stopped moving the word towards its end.
constexpr int stepLimit = 100000;

} // namespace

Simulator::Simulator(Options options) : options_(std::move(options)), random_(options_.seed)
{
}

bool Simulator::run()
{
    // Read once: every word is drawn exactly as the game draws it from the directory.
    topics_ = TopicDatabase::readTopics(options_.topicDir);
    for (int number = 1; number <= options_.tournaments; ++number) {
        if (!playTournament(number))
            return false;
    }
    return true;
}

void Simulator::check(bool holds, const QString& what)
{
    if (!holds)
        figures_.broken << QStringLiteral("%1: %2").arg(where_, what);
}

bool Simulator::playTournament(int number)
{
    Tournament& tournament = tournament_;
    tournament.start();
    while (!tournament.isOver()) {
        const int stage = tournament.stage();
        where_ = QStringLiteral("tournament %1, stage %2").arg(number).arg(stage);
        // What the setup window does before every word.
        tournament.setUpStage();
        for (int seat = 1; seat <= GameState::seatCount; ++seat) {
            if (tournament.isFinal() && !tournament.isFinalSeatOpen(seat))
                continue; // the trio's winner sits here already
            const bool person = options_.person && seat == 1 && !tournament.isFinal();
            tournament.seatPlayer(seat, person ? PlayerKind::Person : PlayerKind::Computer,
                                  QStringLiteral("%1-%2%3")
                                      .arg(person ? QStringLiteral("Человек") : QStringLiteral("Комп"))
                                      .arg(stage)
                                      .arg(seat));
        }
        if (!playWord(number))
            return false;
        check(tournament.stage() == stage + 1, QStringLiteral("a finished word moves the stage on by one"));
    }
    check(tournament.stage() == GameState::finalStage + 1,
          QStringLiteral("the tournament ends after the final"));
    return true;
}

int Simulator::score(int seat, int stage) const
{
    return state_.player(seat, stage).score;
}

void Simulator::hear(const QList<Sound>& sounds, qint64 now, std::vector<Heard>& heard)
{
    hear(roundsounds::timed(sounds), now, heard);
}

void Simulator::hear(const QList<SoundCue>& cues, qint64 now, std::vector<Heard>& heard)
{
    for (const roundsounds::Cue& cue : cues) {
        ++figures_.soundCounts.at(static_cast<std::size_t>(cue.sound));
        if (options_.sounds)
            heard.push_back({now + cue.afterMs, cue.sound});
    }
}

bool Simulator::playWord(int tournament)
{
    const auto drawn = TopicDatabase::draw(topics_, random_);
    if (!drawn)
        return false;
    if (drawn->word.size() > figures_.longestWord.size())
        figures_.longestWord = drawn->word;

    const int stage = state_.Stage;
    SteppedClock clock;
    WordRound round(tournament_, random_, clock);
    std::array<int, GameState::seatCount + 1> offers{};
    std::array<int, GameState::seatCount + 1> before{};
    int spins = 0;
    int stop = 0;
    int pictures = 0;
    WordRound::Outcome last;
    // What the table would play, from the same outcomes and at the same
    // moments as the game window plays it.
    WordSounds heard{tournament, stage, drawn->word, {}};
    QObject::connect(&round, &WordRound::drumTurned, [&] { ++pictures; });
    QObject::connect(&round, &WordRound::played, [&](const WordRound::Outcome& outcome) {
        if (outcome.next == WordRound::Next::DrumSpinning)
            hear(roundsounds::ofSpin(outcome.drumFrames), clock.now(), heard.heard);
        hear(roundsounds::of(outcome, round.message()), clock.now(), heard.heard);
        const int seat = outcome.seat;
        if (outcome.next == WordRound::Next::DrumSpinning) {
            ++spins;
            stop = outcome.sector;
            pictures = 0;
            const bool computer = round.isComputer(seat);
            (computer ? figures_.computerStops : figures_.personStops).at(stop) += 1;
            check(!computer || stop != drum::plusSector,
                  QStringLiteral("a computer never stops on the plus sector"));
            return;
        }
        if (stop != 0) {
            // The first outcome after a spin is its announcement.
            check(state_.DrumSector == stop, QStringLiteral("the drum rests on the drawn sector"));
            check(pictures >= 13 && pictures <= 36, QStringLiteral("a spin shows 13 to 36 pictures"));
            stop = 0;
        }
        // Scores only grow, but for the bankrupt seat's fall to 0.
        const bool bankrupt = outcome.next == WordRound::Next::TurnPassed
                              && state_.DrumSector == drum::bankruptSector && outcome.namedLetter == 0
                              && !outcome.seatLeft && outcome.score == 0;
        for (int s = 1; s <= GameState::seatCount && !state_.WordFinished; ++s) {
            if (bankrupt && s == seat)
                check(score(s, stage) == 0, QStringLiteral("bankrupt leaves 0"));
            else
                check(score(s, stage) >= before.at(s), QStringLiteral("a score never falls but by bankrupt"));
        }
        for (int s = 1; s <= GameState::seatCount; ++s)
            before.at(s) = score(s, stage);
        if (outcome.next == WordRound::Next::BoxesOffered) {
            ++figures_.boxesOffered;
            check(!round.isComputer(seat), QStringLiteral("only persons are offered the boxes"));
            check(++offers.at(seat) == 1, QStringLiteral("the boxes come once per seat and word"));
            check(state_.CellsOpened.at(seat) >= 3, QStringLiteral("the boxes come after three cells"));
        }
        if (outcome.next == WordRound::Next::NoLetterLeft)
            check(false, QStringLiteral("a letter is left while cells are closed"));
        follow(round, outcome);
        last = outcome;
    });

    round.begin(drawn->word);
    ++figures_.words;
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        const bool carried = stage == GameState::finalStage && !state_.TrioWithoutWinner.at(seat);
        check(carried || score(seat, stage) == 0,
              QStringLiteral("a new word starts at 0 but for a finalist"));
        before.at(seat) = score(seat, stage);
    }

    int steps = 0;
    while (round.phase() != WordRound::Phase::WordOver) {
        if (++steps > stepLimit) {
            check(false, QStringLiteral("the word never ends"));
            break;
        }
        const int seat = state_.CurrentSeat;
        if (seat < 1 || seat > GameState::seatCount || !state_.SeatInPlay.at(seat)) {
            check(false, QStringLiteral("the seat to move is in play"));
            break;
        }
        // A person answers at once; everything else is the round's own pace.
        if (!round.isComputer(seat) && round.phase() != WordRound::Phase::DrumTurning
            && round.phase() != WordRound::Phase::DrumResting
            && round.phase() != WordRound::Phase::BoxOpened) {
            const WordRound::Outcome moved = personMoves(round);
            check(moved.next != WordRound::Next::Refused,
                  QStringLiteral("the rules refused a move that was theirs to take"));
        } else if (!clock.runNext()) {
            check(false, QStringLiteral("the round waits for nobody"));
            break;
        }
        checkBoard();
    }
    check(!clock.isWaiting(), QStringLiteral("nothing waits once the word is over"));
    figures_.spinsPerWord.push_back(spins);
    figures_.msPerWord.push_back(clock.now());
    checkWinner(stage, last);
    // Sounds that start after their move, such as the chimes after the first.
    std::stable_sort(heard.heard.begin(), heard.heard.end(),
                     [](const Heard& a, const Heard& b) { return a.ms < b.ms; });
    if (options_.sounds)
        figures_.wordSounds.push_back(std::move(heard));
    return true;
}

QStringList Simulator::timeline(const std::vector<Heard>& heard)
{
    QStringList lines;
    const auto seconds = [](qint64 ms) { return QString::number(static_cast<double>(ms) / 1000, 'f', 3); };
    for (std::size_t i = 0; i < heard.size(); ++i) {
        const Heard& first = heard.at(i);
        std::size_t last = i;
        while (first.sound == Sound::DrumClack && last + 1 < heard.size()
               && heard.at(last + 1).sound == Sound::DrumClack
               && heard.at(last + 1).ms - heard.at(last).ms == WordRound::Pace::drumFrame)
            ++last;
        QString line = QStringLiteral("%1 s  %2").arg(seconds(first.ms), 9).arg(sounds::name(first.sound));
        if (last > i) {
            line += QStringLiteral(" × %1, every %2 ms, to %3 s")
                        .arg(last - i + 1)
                        .arg(WordRound::Pace::drumFrame)
                        .arg(seconds(heard.at(last).ms));
        }
        lines << line;
        i = last;
    }
    return lines;
}

WordRound::Outcome Simulator::personMoves(WordRound& round)
{
    using Phase = WordRound::Phase;
    switch (round.phase()) {
    case Phase::AwaitingSpin:
        return personSaysWord() ? round.sayWord(state_.SecretWord.toLower()) : round.spin();
    case Phase::AwaitingLetter:
        return round.nameLetter(personLetter());
    case Phase::AwaitingPlusCell: {
        const int seat = state_.CurrentSeat;
        const int scoreBefore = score(seat, state_.Stage);
        const WordRound::Outcome outcome = round.openByPlus(personPlusCell());
        check(outcome.next == WordRound::Next::WordWonByLetters || outcome.score == scoreBefore,
              QStringLiteral("the plus sector scores nothing"));
        return outcome;
    }
    case Phase::BoxesOffered: {
        openBox(round);
        WordRound::Outcome opened;
        opened.next = WordRound::Next::BoxOpened;
        return opened;
    }
    default:
        return {};
    }
}

void Simulator::openBox(WordRound& round)
{
    const int seat = state_.CurrentSeat;
    const int before = state_.player(seat, state_.Stage).score;
    const int b = random_.draw(2);
    const WordRound::Outcome first = round.openBox(b);
    const WordRound::Outcome again = round.openBox(b);
    const WordRound::Outcome other = round.openBox(3 - b);
    check(first.next == WordRound::Next::BoxOpened && again.next == WordRound::Next::Refused
              && other.next == WordRound::Next::Refused,
          QStringLiteral("an offer opens one box, once"));
    check(state_.player(seat, state_.Stage).score
              == (first.prize ? score::added(before, WordRound::prizePoints) : before),
          QStringLiteral("the prize pays 100 points once"));
    if (first.prize)
        ++figures_.prizesWon;
}

void Simulator::follow(const WordRound& round, const WordRound::Outcome& outcome)
{
    switch (outcome.next) {
    case WordRound::Next::WordWonByLetters:
        ++figures_.wonByLetters;
        for (int i = 1; i <= round.wordLength(); ++i)
            check(round.isCellOpen(i), QStringLiteral("a word won by letters has every cell open"));
        break;
    case WordRound::Next::WordWonBySaying:
        ++figures_.wonBySaying;
        break;
    case WordRound::Next::NoWinner:
        ++figures_.noWinner;
        break;
    default:
        break;
    }
}

void Simulator::checkBoard()
{
    int open = 0;
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (state_.ClosedLetters.at(i).isEmpty())
            ++open;
    }
    const int credited = state_.CellsOpened.at(1) + state_.CellsOpened.at(2) + state_.CellsOpened.at(3);
    check(open == credited, QStringLiteral("every opened cell is credited to one seat"));
}

void Simulator::checkWinner(int stage, const WordRound::Outcome& last)
{
    const bool won = last.next == WordRound::Next::WordWonByLetters
                     || last.next == WordRound::Next::WordWonBySaying;
    check(state_.WordFinished && (won || last.next == WordRound::Next::NoWinner),
          QStringLiteral("a word ends with a winner or with nobody"));
    if (stage == GameState::finalStage) {
        if (!won) {
            check(!state_.Champion, QStringLiteral("a final without winner crowns nobody"));
            return;
        }
        const Player& winner = state_.player(last.seat, stage);
        check(state_.Champion && state_.Champion->name == winner.name
                  && state_.Champion->score == winner.score,
              QStringLiteral("the final's winner is the champion, with the score"));
        figures_.championScores.push_back(winner.score);
        return;
    }
    if (!won) {
        check(state_.TrioWithoutWinner.at(stage),
              QStringLiteral("a trio without winner leaves its final seat open"));
        return;
    }
    const Player& winner = state_.player(last.seat, stage);
    const Player& finalist = state_.player(stage, GameState::finalStage);
    check(!state_.TrioWithoutWinner.at(stage) && finalist.kind == winner.kind && finalist.name == winner.name
              && finalist.score == winner.score,
          QStringLiteral("the trio's winner takes its seat in the final"));
}

// ---- The scripted person ------------------------------------------------------------

int Simulator::personLetter() const
{
    for (const QChar letter : byFrequency) {
        const int n = letters::number(letter);
        if (!state_.FreeLetters.at(n).isEmpty())
            return n;
    }
    return 0;
}

// The closed cell whose letter is the hardest to guess.
int Simulator::personPlusCell() const
{
    int best = 0;
    qsizetype rarity = -1;
    for (int i = 1; i <= state_.WordLength; ++i) {
        const QString& letter = state_.ClosedLetters.at(i);
        if (letter.isEmpty())
            continue;
        const qsizetype rank = byFrequency.indexOf(letter);
        if (rank > rarity) {
            rarity = rank;
            best = i;
        }
    }
    return best;
}

// Says the word, rightly, once three quarters of its cells stand open.
bool Simulator::personSaysWord() const
{
    int closed = 0;
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (!state_.ClosedLetters.at(i).isEmpty())
            ++closed;
    }
    return closed > 0 && closed * 4 <= state_.WordLength;
}
