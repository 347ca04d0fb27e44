// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/LoadableWindow.h"
#include "platform/OutlinedLabel.h"
#include "rules/RecordsTable.h"

#include <array>

class EventLabel;
class DataDir;
class Dialogs;
class Navigation;
class PictureCache;
class SoundService;
class Tournament;

// "Конец": the table of the four best results over its picture. On opening it
// enters a pending champion into the records file; "Меню" returns to the start
// window.
class RecordsWindow : public LoadableWindow {
    Q_OBJECT
public:
    struct Services {
        const DataDir& data;
        PictureCache& pictures;
        Dialogs& dialogs;
        Navigation& navigation;
        SoundService& sounds;
    };

    RecordsWindow(const Services& services, Tournament& tournament);

    void load() override;
    void present() override;

    // Starts decoding the window's backdrop in the background.
    static void preload(PictureCache& cache);

    // Row 0 shows a pending result that did not enter the table; rows 1..4
    // the table.
    OutlinedLabel* nameLabel(int row) const { return names_.at(row); }
    OutlinedLabel* scoreLabel(int row) const { return scores_.at(row); }
    EventLabel* menuLabel() const { return menuLabel_; }
    // Says that no result can be kept (no home, and a Data that cannot be
    // rewritten); hidden wherever results are kept.
    EventLabel* keptNowhereLabel() const { return keptNowhere_; }
    EventLabel* picture() const { return backdrop_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString recordsPath() const;
    void readTable();
    void enterPendingResult();
    void showTable();
    void showRow(int row, const QString& name, qint32 score);
    void markRow(int row);
    void nameAccessibly(int row, const QString& name, qint32 score);

    void showMenuBand();
    void hideMenuBand();
    void menuPressed();
    void returnToStart();

    Services services_;
    Tournament& tournament_;
    RecordsTable table_;
    // The file exists but could not be read: it is shown empty and never written.
    bool tableUnread_ = false;
    // Told once the window is on the screen, so that the table stands behind the box.
    QString fileFailure_;
    // A champion entered the table: the hall hears it once the window shows.
    bool newChampion_ = false;

    EventLabel* backdrop_ = nullptr;
    std::array<OutlinedLabel*, RecordsTable::entryCount + 1> names_{};
    std::array<OutlinedLabel*, RecordsTable::entryCount + 1> scores_{};
    EventLabel* menuLabel_ = nullptr;
    EventLabel* keptNowhere_ = nullptr;
};
