#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

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
inline constexpr int maxWordLength = 11;

// 1..11 letters, each one of the 32 capitals А..Я (Ё is not a letter of the game).
bool isValidWord(const QString& word);

// The valid words of lines 2..N+1 in file order. Empty when the file holds no
// valid word (N <= 0 included); nullopt when the file cannot be read or its
// first line is not a whole number.
std::optional<QStringList> readWords(const QString& filePath);

// A topic file that holds at least one valid word.
struct Topic {
    QString name;
    QStringList words;
};

// The topics of topicDir, in file-name order.
std::vector<Topic> readTopics(const QString& topicDir);

// Draws a topic among the files of topicDir that hold at least one valid word,
// then a word of that topic: exactly two numbers from random, topic first.
// nullopt, with nothing taken from random, when no topic yields a word.
std::optional<TopicWord> draw(const QString& topicDir, RandomSource& random);
// The same draw among topics read before.
std::optional<TopicWord> draw(const std::vector<Topic>& topics, RandomSource& random);

} // namespace TopicDatabase
