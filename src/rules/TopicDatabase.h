// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/GameState.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QIODevice;
class RandomSource;

// One draw from the word database: the topic shown to the player and the word
// laid out on the board.
struct TopicWord {
    QString topic;
    QString word;
};

// The word database is a directory of topic files, "<topic>.dat", each in
// Windows-1251: line 1 holds the number of words N, lines 2..N+1 the words.
// Reading is forgiving: a damaged file or a bad word is passed over rather
// than ever putting an empty or unplayable word on the board.
namespace TopicDatabase {

// The longest word the board can hold.
inline constexpr int maxWordLength = GameState::maxWordLength;
// The count line is a 16-bit number: no file is read past this many words.
inline constexpr int maxWordCount = 32767;
// A line longer than this many bytes ends the reading of its file. No word is
// that long, and a line whose end may lie megabytes away must not be read whole.
inline constexpr int maxLineBytes = 255;

// 1..11 letters, each one of the 32 capitals А..Я (Ё is not a letter of the game).
bool isValidWord(const QString& word);

// Why a topic file gave no word.
enum class Problem { None, CannotOpen, NotRegularFile, ReadError, NoCount, NoWord };
// The problem in a few words (Russian, through the translations), for the
// player or the topic's author.
QString describe(Problem problem);

struct TopicFile {
    Problem problem = Problem::None;
    QStringList words; // the valid words, in file order; empty unless problem is None
};

// Reads a topic as a stream, never past line N + 1: N is the count line, taken
// as 1 when it is 0 and at most maxWordCount; a count below 0 asks for no word.
// Word lines that break the rules are skipped; reading also stops at the end
// of the file or at a line longer than maxLineBytes (its CR aside).
TopicFile parse(QIODevice& device);
// The same from a file, which is opened only when it is a regular file (a
// FIFO or device is never waited for).
TopicFile read(const QString& filePath);

// A topic file that holds at least one valid word.
struct Topic {
    QString name;
    QStringList words;
};

// Every topic of topicDir that yields a word, read in full, in file-name
// order: for drawing many times over the same folder.
std::vector<Topic> readTopics(const QString& topicDir);

// What a draw met on its way, for telling a missing database from a useless one.
struct DrawReport {
    int topicFiles = 0;   // visible "*.dat" files listed
    QStringList rejected; // "<file name>: <problem>" for each file drawn that gave no word
};

// Lists the visible "*.dat" files of topicDir and draws one, counted in
// file-name order (one number from random); when that file yields no valid
// word it is left out and the draw repeats among the rest. Then a word of the topic is
// drawn (one more number). Only the drawn files are read. nullopt when no
// topic yields a word, with nothing taken from random when none is listed.
std::optional<TopicWord> draw(const QString& topicDir, RandomSource& random, DrawReport* report = nullptr);
// The same draw among topics read before: exactly two numbers from random.
std::optional<TopicWord> draw(const std::vector<Topic>& topics, RandomSource& random);

} // namespace TopicDatabase
