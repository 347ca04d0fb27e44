// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kordamir-sim: plays whole tournaments over the game's rules, without a
// window, and prints what they add up to. Exit status 1 when a rule invariant
// broke, 2 on a bad command line or topic directory.

#include "Simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <numeric>

namespace {

QString percent(double part, double whole)
{
    return QString::number(whole > 0 ? 100.0 * part / whole : 0.0, 'f', 2);
}

QString effectName(const drum::Sector& sector)
{
    switch (sector.effect) {
    case drum::Effect::Points:
        return QStringLiteral("+%1").arg(sector.points);
    case drum::Effect::Double:
        return QStringLiteral("x2");
    case drum::Effect::PassTurn:
        return QStringLiteral("pass");
    case drum::Effect::Bankrupt:
        return QStringLiteral("bankrupt");
    case drum::Effect::Plus:
        return QStringLiteral("plus");
    }
    return QString();
}

// Draws 1..100 that stop the drum on each sector.
std::array<int, drum::sectorCount + 1> drawShares()
{
    std::array<int, drum::sectorCount + 1> shares{};
    for (int draw = 1; draw <= 100; ++draw)
        ++shares.at(drum::sectorForDraw(draw));
    return shares;
}

// The value at fraction q of the sorted values (nearest rank).
int quantile(const std::vector<int>& sorted, double q)
{
    const auto rank = static_cast<size_t>(q * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted.at(rank);
}

QString spread(std::vector<int> values)
{
    if (values.empty())
        return QStringLiteral("none");
    std::sort(values.begin(), values.end());
    const double mean = std::accumulate(values.begin(), values.end(), 0.0)
                        / static_cast<double>(values.size());
    return QStringLiteral("min %1, p10 %2, median %3, mean %4, p90 %5, max %6")
        .arg(values.front())
        .arg(quantile(values, 0.1))
        .arg(quantile(values, 0.5))
        .arg(mean, 0, 'f', 1)
        .arg(quantile(values, 0.9))
        .arg(values.back());
}

void report(QTextStream& out, const Simulator::Options& options, const Simulator::Figures& f)
{
    out << "kordamir-sim: " << options.tournaments << " tournaments, seed " << options.seed << ", "
        << (options.person ? "a scripted person in seat 1 of each trio" : "computers only") << "\n"
        << "topics: " << QDir::toNativeSeparators(options.topicDir) << "\n\n";

    out << "words played: " << f.words << "\n";
    out << "spins per word: " << spread(f.spinsPerWord) << "\n";
    std::vector<int> secondsPerWord;
    for (const qint64 ms : f.msPerWord)
        secondsPerWord.push_back(static_cast<int>((ms + 500) / 1000));
    out << "seconds per word at the game's pace (a person answering at once): " << spread(secondsPerWord)
        << "\n";
    out << "words won: by letters " << f.wonByLetters << " (" << percent(f.wonByLetters, f.words)
        << "%), by saying " << f.wonBySaying << " (" << percent(f.wonBySaying, f.words) << "%), nobody "
        << f.noWinner << " (" << percent(f.noWinner, f.words) << "%)\n";
    out << "champion score: " << spread(f.championScores) << "\n";
    out << "prize boxes: offered " << f.boxesOffered << ", prize won " << f.prizesWon << "\n";
    out << "longest word: " << f.longestWord << " (" << f.longestWord.size() << " letters)\n\n";

    // What the table would play, from the rules' outcomes: how often each sound comes in a word.
    out << "sounds at the table      played  per word\n";
    for (const Sound sound : sounds::all()) {
        const qint64 played = f.soundCounts.at(static_cast<std::size_t>(sound));
        out << QStringLiteral("  %1 %2 %3\n")
                   .arg(sounds::name(sound), -18)
                   .arg(played, 10)
                   .arg(f.words > 0 ? static_cast<double>(played) / f.words : 0.0, 9, 'f', 2);
    }
    out << "\n";

    // A computer's plus draw is drawn again, so its shares are the others' scaled up.
    const auto shares = drawShares();
    int personSpins = 0;
    int computerSpins = 0;
    for (int k = 1; k <= drum::sectorCount; ++k) {
        personSpins += f.personStops.at(k);
        computerSpins += f.computerStops.at(k);
    }
    const int spins = personSpins + computerSpins;
    const double computerScale = 100.0 / (100 - shares.at(drum::plusSector));
    out << "sectors (" << spins << " spins: " << personSpins << " by persons, " << computerSpins
        << " by computers)\n";
    out << "  sector  effect      stops   seen%  share%  expected%\n";
    for (int k = 1; k <= drum::sectorCount; ++k) {
        const int stops = f.personStops.at(k) + f.computerStops.at(k);
        const double computerShare = k == drum::plusSector ? 0.0 : shares.at(k) * computerScale;
        const double expected = spins > 0
                                    ? (personSpins * shares.at(k) + computerSpins * computerShare) / spins
                                    : 0.0;
        out << QStringLiteral("  %1  %2 %3 %4 %5 %6\n")
                   .arg(k, 6)
                   .arg(effectName(drum::sector(k)), -9)
                   .arg(stops, 9)
                   .arg(percent(stops, spins), 7)
                   .arg(shares.at(k), 7)
                   .arg(expected, 10, 'f', 2);
    }
    out << "\n";

    for (const Simulator::WordSounds& word : f.wordSounds) {
        out << "sounds of the word " << word.word << " (tournament " << word.tournament << ", stage "
            << word.stage << "), seconds from its start:\n";
        for (const QString& line : Simulator::timeline(word.heard))
            out << "  " << line << "\n";
        out << "\n";
    }

    if (f.broken.isEmpty()) {
        out << "rule invariants: none broken\n";
        return;
    }
    out << "rule invariants broken: " << f.broken.size() << "\n";
    for (qsizetype i = 0; i < std::min<qsizetype>(f.broken.size(), 20); ++i)
        out << "  " << f.broken.at(i) << "\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kordamir-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays whole tournaments of computer players over the game's rules and prints\n"
                       "spins per word, how words are won, champion scores, sector frequencies, the sounds\n"
                       "the table would play and any rule invariant broken (exit status 1). The same seed\n"
                       "gives the same figures."));
    parser.addHelpOption();
    const QCommandLineOption tournamentsOption(QStringLiteral("tournaments"),
                                               QStringLiteral("Tournaments to play."), QStringLiteral("N"),
                                               QStringLiteral("1000"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the random numbers."),
                                        QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption topicsOption(QStringLiteral("topics"),
                                          QStringLiteral("Directory of topic files."), QStringLiteral("DIR"),
                                          QStringLiteral(KORDAMIR_DATA_DIR "/Baz"));
    const QCommandLineOption personOption(
        QStringLiteral("person"),
        QStringLiteral("Seat 1 of each trio is a person who names letters by their frequency in Russian,\n"
                       "opens the rarest letter on the plus sector and says the word once three\n"
                       "quarters of it stand open."));
    const QCommandLineOption soundsOption(
        QStringLiteral("sounds"),
        QStringLiteral("Lists the sounds of every word as the table would play them, each with its time."));
    parser.addOptions({tournamentsOption, seedOption, topicsOption, personOption, soundsOption});
    parser.process(app);

    QTextStream err(stderr);
    Simulator::Options options;
    bool tournamentsOk = false;
    bool seedOk = false;
    options.tournaments = parser.value(tournamentsOption).toInt(&tournamentsOk);
    options.seed = parser.value(seedOption).toUInt(&seedOk);
    options.topicDir = parser.value(topicsOption);
    options.person = parser.isSet(personOption);
    options.sounds = parser.isSet(soundsOption);
    if (!tournamentsOk || options.tournaments < 1 || !seedOk) {
        err << "kordamir-sim: --tournaments takes a whole number from 1 up, --seed a whole number from 0 "
               "up\n";
        return 2;
    }

    Simulator simulator(options);
    if (!simulator.run()) {
        err << "kordamir-sim: no topic in " << QDir::toNativeSeparators(options.topicDir)
            << " yields a word\n";
        return 2;
    }
    QTextStream out(stdout);
    report(out, options, simulator.figures());
    return simulator.figures().broken.isEmpty() ? 0 : 1;
}
