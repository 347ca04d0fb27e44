// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/RecordsWindow.h"

#include "platform/DataDir.h"
#include "platform/Dialogs.h"
#include "platform/EventLabel.h"
#include "platform/Navigation.h"
#include "platform/OutlinedLabel.h"
#include "platform/OutlinedText.h"
#include "platform/PictureCache.h"
#include "platform/Pictures.h"
#include "platform/PressableLabel.h"
#include "platform/Twips.h"
#include "records/RecordsFile.h"
#include "rules/Tournament.h"
#include "sound/SoundService.h"
#include "state/GameState.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace {

const QColor menuBandColour(0x80, 0xFF, 0x80);
const QColor pressedColour(0xFF, 0x00, 0x00);
const QColor enteredColour(0x00, 0xFF, 0x00);
const QColor plainColour(0x00, 0x00, 0x00);
// A dark band, legible on the picture and on the window's lavender alike.
const QColor noticeBand(0x1A, 0x1F, 0x5C);
const QColor noticeText(0xFF, 0xFF, 0xFF);
// Green on the cream of the picture would be all but invisible without it.
const QColor enteredOutline = outlinedtext::rimColour;

} // namespace

RecordsWindow::RecordsWindow(const Services& services, Tournament& tournament)
    : services_(services), tournament_(tournament)
{
    setWindowTitle(Dialogs::applicationTitle);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundColour(gameBackground);

    backdrop_ = new EventLabel(this);
    backdrop_->setObjectName(QStringLiteral("backdrop"));
    backdrop_->resize(pictures::backdropSize);
    backdrop_->setScaledContents(true);
    connect(backdrop_, &EventLabel::mouseMoved, this, &RecordsWindow::hideMenuBand);
    // The title "Рекорды" is part of the picture, which a reader cannot see.
    backdrop_->setAccessibleName(tr("Рекорды"));
    backdrop_->setAccessibleDescription(tr("Четыре лучших результата"));

    QFont rowFont(QStringLiteral("Comic Sans MS"));
    rowFont.setPointSizeF(14.25);
    rowFont.setBold(true);
    for (int row = 0; row <= RecordsTable::entryCount; ++row) {
        auto* name = new OutlinedLabel(backdrop_);
        name->setObjectName(QStringLiteral("recordName%1").arg(row));
        name->setGeometry(pictures::recordName(row));
        auto* score = new OutlinedLabel(backdrop_);
        score->setObjectName(QStringLiteral("recordScore%1").arg(row));
        score->setGeometry(pictures::recordScore(row));
        for (EventLabel* label : {name, score}) {
            label->setFont(rowFont);
            label->setAlignment(Qt::AlignCenter);
            label->setTextColour(plainColour);
            label->setTextFitting(true);
        }
        names_.at(row) = name;
        scores_.at(row) = score;
    }

    QFont menuFont(QStringLiteral("Comic Sans MS"));
    menuFont.setPointSize(24);
    menuFont.setBold(true);
    // A button to assistive technology, pressed by it as by the mouse; the
    // window's keys press it too.
    menuLabel_ = new PressableLabel(tr("Меню"), backdrop_);
    menuLabel_->setObjectName(QStringLiteral("menu"));
    menuLabel_->setGeometry(pictures::recordsMenu);
    menuLabel_->setFont(menuFont);
    menuLabel_->setAlignment(Qt::AlignCenter);
    menuLabel_->setTextColour(plainColour);
    menuLabel_->setBackgroundColour(menuBandColour);
    menuLabel_->setBackgroundOpaque(true);
    connect(menuLabel_, &EventLabel::mouseMoved, this, &RecordsWindow::showMenuBand);
    connect(menuLabel_, &EventLabel::pressed, this, &RecordsWindow::menuPressed);
    connect(menuLabel_, &EventLabel::released, this, &RecordsWindow::returnToStart);

    // Under the table, on the picture's dark ground.
    keptNowhere_ = new EventLabel(
        tr("Рекорды не сохраняются: нет домашней папки, а папку Data изменить нельзя."), backdrop_);
    keptNowhere_->setObjectName(QStringLiteral("keptNowhere"));
    keptNowhere_->setGeometry(12, 318, 383, 56);
    QFont noticeFont(QStringLiteral("Comic Sans MS"));
    noticeFont.setPointSizeF(11.25);
    noticeFont.setBold(true);
    keptNowhere_->setFont(noticeFont);
    keptNowhere_->setWordWrap(true);
    keptNowhere_->setMargin(4);
    keptNowhere_->setAlignment(Qt::AlignCenter);
    keptNowhere_->setTextColour(noticeText);
    keptNowhere_->setBackgroundColour(noticeBand);
    keptNowhere_->setBackgroundOpaque(true);
    keptNowhere_->hide();
}

void RecordsWindow::preload(PictureCache& cache)
{
    cache.preloadInBackground({{pictures::recordsBackdrop, pictures::backdropSize}});
}

void RecordsWindow::load()
{
    keepCentred({backdrop_});
    // The table is shown on the window's colour until its backdrop arrives.
    services_.pictures.showWhenDecoded(
        pictures::recordsBackdrop, backdrop_->size(), backdrop_,
        [picture = backdrop_](const QPixmap& backdrop) { picture->setPixmap(backdrop); });
    readTable();
    enterPendingResult();
    showTable();
}

void RecordsWindow::present()
{
    presentMaximised();
    if (std::exchange(newChampion_, false))
        services_.sounds.play(Sound::RecordsChampion);
    if (!fileFailure_.isEmpty()) {
        services_.dialogs.message(this, std::exchange(fileFailure_, QString()), Dialogs::Icon::Critical,
                                  Dialogs::Buttons::Ok);
    }
}

QString RecordsWindow::recordsPath() const
{
    return services_.data.recordsFile();
}

void RecordsWindow::readTable()
{
    // With no place to keep results, the table Data holds is still shown as
    // it is (it is never written), and the window says why nothing is kept.
    const QString path = recordsPath();
    keptNowhere_->setVisible(path.isEmpty());
    RecordsFile file(path.isEmpty() ? services_.data.path(QStringLiteral("Cfg.ini")) : path);
    table_ = file.read();
    // A file that is there but could not be read still holds the records:
    // writing the table shown here over it would lose them all.
    tableUnread_ = file.readFailed();
    if (tableUnread_) {
        fileFailure_ = QStringLiteral("Не удалось прочитать таблицу рекордов: %1. Файл оставлен как есть.")
                           .arg(file.errorString());
    }
}

void RecordsWindow::enterPendingResult()
{
    // Taken now, so that a later opening does not enter the same result again.
    const std::optional<Tournament::ChampionEntry> entry = tournament_.enterChampion(tableUnread_ ? nullptr
                                                                                                  : &table_);
    if (!entry)
        return;
    const QString& name = entry->champion.name;
    const qint32 score = entry->champion.score;
    const int row = entry->row;
    if (row == 0) {
        showRow(0, name, score);
    }
    markRow(row);
    newChampion_ = row != 0;
    if (tableUnread_) {
        fileFailure_ += QStringLiteral(" Результат не сохранён.");
        return;
    }

    // The file is rewritten even when the table did not change.
    RecordsFile file(recordsPath());
    if (!file.write(table_)) {
        fileFailure_ = QStringLiteral(
                           "Не удалось сохранить таблицу рекордов: %1. Прежняя таблица не изменена.")
                           .arg(file.errorString());
    }
}

void RecordsWindow::showTable()
{
    for (int row = 1; row <= RecordsTable::entryCount; ++row)
        showRow(row, table_.RecordName.at(row), table_.RecordScore.at(row));
}

void RecordsWindow::showRow(int row, const QString& name, qint32 score)
{
    // A name typed into the file by hand may be far wider than its row.
    EventLabel* nameLabel = names_.at(row);
    nameLabel->setText(nameLabel->fontMetrics().elidedText(name, Qt::ElideRight, nameLabel->width()));
    scores_.at(row)->setText(QString::number(score));
    nameAccessibly(row, name, score);
}

void RecordsWindow::nameAccessibly(int row, const QString& name, qint32 score)
{
    // Heard one label at a time, a row must say which place it is, and the
    // whole name even where the screen cuts it short; green says "new" only
    // to those who see it.
    const bool entered = names_.at(row)->textColour() == enteredColour;
    const QString place = row == 0 ? tr("Результат вне таблицы") : tr("%1 место").arg(row);
    const QString shownName = name.isEmpty() ? tr("пусто") : name;
    QString nameText = tr("%1: %2").arg(place, shownName);
    QString scoreText = tr("%1, очки: %2").arg(place).arg(score);
    if (entered) {
        nameText += tr(", новый результат");
        scoreText += tr(", новый результат");
    }
    names_.at(row)->setAccessibleName(nameText);
    scores_.at(row)->setAccessibleName(scoreText);
}

void RecordsWindow::markRow(int row)
{
    names_.at(row)->setTextColour(enteredColour);
    scores_.at(row)->setTextColour(enteredColour);
    names_.at(row)->setTextOutline(enteredOutline);
    scores_.at(row)->setTextOutline(enteredOutline);
}

void RecordsWindow::showMenuBand()
{
    menuLabel_->setBackgroundOpaque(true);
}

void RecordsWindow::hideMenuBand()
{
    menuLabel_->setBackgroundOpaque(false);
}

void RecordsWindow::menuPressed()
{
    // Stays red until the window closes.
    menuLabel_->setTextColour(pressedColour);
}

void RecordsWindow::returnToStart()
{
    services_.navigation.leaveRecords();
}

void RecordsWindow::keyPressEvent(QKeyEvent* event)
{
    // "Меню" is the window's only way on: any of the keys that leave a
    // window or press a button take it, so the keyboard is never trapped.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Backspace:
        if (!event->isAutoRepeat()) {
            menuPressed();
            returnToStart();
        }
        return;
    default:
        LoadableWindow::keyPressEvent(event);
    }
}

void RecordsWindow::mouseMoveEvent(QMouseEvent* event)
{
    hideMenuBand();
    LoadableWindow::mouseMoveEvent(event);
}
