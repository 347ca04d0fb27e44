// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordingSounds.h"
#include "TournamentPosition.h"
#include "app/Platform.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/DisplayMode.h"
#include "platform/Navigation.h"
#include "platform/ProgramExit.h"
#include "platform/RandomSource.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Uniform numbers from a script; once the script runs out, a seeded generator
// takes over, so a redraw loop can never spin forever on a repeated value.
class ScriptedRandom final : public RandomSource {
public:
    void push(std::initializer_list<double> values)
    {
        for (double v : values)
            values_.enqueue(v);
    }
    // The uniform number that makes draw(n) give exactly `result`.
    void pushDraw(int result, int n) { values_.enqueue((result - 0.5) / n); }
    double uniform() override { return values_.isEmpty() ? fallback_.uniform() : values_.dequeue(); }

private:
    QQueue<double> values_;
    SeededRandom fallback_{12345};
};

// Answers every modal box from a script and keeps what was asked.
class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        QWidget* owner;
        QString text;
        Icon icon;
        Buttons buttons;
        QString title;
    };
    struct Prompt {
        QWidget* owner;
        QString prompt;
        QString title;
        QValidator* validator;
    };

    Answer message(QWidget* owner, const QString& text, Icon icon, Buttons buttons,
                   const QString& title) override;
    QString input(QWidget* owner, const QString& prompt, const QString& title, const QString& defaultText,
                  QValidator* validator) override;

    QQueue<Answer> answers; // Yes/No answers; OK boxes need none
    QQueue<QString> inputs; // typed texts; empty text = Cancel
    QList<Message> messages;
    QList<Prompt> prompts;
    // Runs while a box is open, e.g. to look at the windows beneath it.
    std::function<void()> whileOpen;
};

// Records the end of the program instead of ending the test.
class RecordingExit final : public ProgramExit {
public:
    void end() override
    {
        if (!ended_) {
            ended_ = true;
            runEndSteps();
        }
    }
    void reset() { ended_ = false; }
};

// Records the modes requested and grants only those listed.
class FakeDisplayMode final : public DisplayModeService {
public:
    bool request(const DisplayModeRequest& mode) override
    {
        requests.append(mode);
        return granted.contains(mode);
    }
    void restore() override { ++restores; }

    QList<DisplayModeRequest> requests;
    QList<DisplayModeRequest> granted;
    int restores = 0;
};

// A complete, scripted platform over a Data directory of its own: by default
// the build's Data (pictures, topics, an empty records table), each file a
// link to the build's, but the records table a copy, so that what the game
// writes stays in the test's folder.
class TestPlatform {
public:
    enum class DataContent { BuildData, Empty };
    explicit TestPlatform(DataContent content = DataContent::BuildData);
    ~TestPlatform();

    // The path of a file or directory below Data. A file that is still a link
    // to the build's Data becomes a copy of its own first: whatever the test
    // then does through the path (writes, removes, changes modes) never
    // reaches the build's Data, which every test shares.
    QString dataPath(const QString& relative) const;
    // Writes a file below Data, creating its directories.
    void writeData(const QString& relative, const QByteArray& bytes) const;
    void removeData(const QString& relative) const;

    // The real windows of the game, defined in the registry.
    void defineWindows();
    // Hides and deletes the unloaded windows of every live test platform.
    static void flushUnloads();

    QTemporaryDir baseDir;
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    RecordingExit exit;
    FakeDisplayMode display;
    Tournament tournament;
    // The tournament's board, for a test to lay out a position on.
    GameState& state = TournamentPosition::board(tournament);
    // The table's turns move only when a test advances this clock.
    SteppedClock clock;
    // What the windows ask to hear.
    RecordingSounds sounds;
    std::unique_ptr<Platform> platform;
    // The game's own ways between the windows, over platform->windows.
    std::unique_ptr<Navigation> navigation;

private:
    static QList<TestPlatform*>& livePlatforms();
};
