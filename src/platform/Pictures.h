// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Twips.h"

#include <QString>
#include <QStringList>

#include <array>

// The pictures of the Data directory: their files, and the places in the
// windows they are drawn for. The windows lay their controls out by these
// places and the picture generator paints to them, so moving a control here
// moves the painted surround with it.
namespace pictures {

inline const QString startBackdrop = QStringLiteral("Scr/Nch.res");
inline const QString recordsBackdrop = QStringLiteral("Scr/Kn.res");
inline const QString tableBackdrop = QStringLiteral("Scr/Osn.res");
inline const QString closedBox = QStringLiteral("Prd/Sh.res");
inline const QString boxWithPrize = QStringLiteral("Prd/ShD.res");
inline const QString emptyBox = QStringLiteral("Prd/ShP.res");

// Data holds one turning and one resting picture per sector of the drum.
constexpr int drumPictureCount = 12;
// The turning drum with drum sector 1..12 under its pointer.
QString turningDrum(int sector);
// The drum at rest on the table with drum sector 1..12 under its pointer.
QString restingDrum(int sector);

// Every picture below Data, in the order the start window checks them:
// backdrops, prize boxes, the turning drum 1..12, the resting drum 1..12.
QStringList all();

// Each picture also comes drawn at two and at four times its size, for a
// screen scaled up, under the same name with "@2x" or "@4x" before the
// extension: "Scr/Osn.res" -> "Scr/Osn@2x.res".
inline constexpr std::array<int, 2> largeRatios{2, 4};
QString largeName(const QString& relative, int ratio);

// ---- places, in pixels of the window or picture box that holds them ----

// Every backdrop fills a picture box of this size.
constexpr QSize backdropSize = twipsSize(12000, 9000);

// Start window: where its backdrop stands, and menu entry 1..4 on it.
constexpr QPoint startBackdropAt{112, 84};
constexpr QRect menuEntry(int number)
{
    return {548, 296 + 68 * (number - 1), 225, 61};
}
// The sound's speaker (32 × 32) in the backdrop's bottom left corner, clear of the menu.
constexpr QPoint speakerAt{12, 556};

// Game table, on its backdrop.
constexpr QRect stageCaption = twipsRect(4680, 240, 3975, 495);
// Left edges of the word's cells 1..11 (index 0 unused).
constexpr std::array<int, 12> cellLefts{0, 4680, 5125, 5570, 6000, 6430, 6870, 7310, 7740, 8190, 8630, 9060};
constexpr QRect wordCell(int number)
{
    return twipsRect(cellLefts.at(number), 1140, 420, 435);
}
// Left edge, in twips, of the controls of seat 1..3: the seats stand side by
// side, seat 1 on the left. Each has a stand and a turn marker above it.
constexpr int seatLeft(int seat)
{
    return 300 + (seat - 1) * 3975;
}
constexpr QRect seatStand(int seat)
{
    return twipsRect(seatLeft(seat), 2070, 3450, 1650);
}
constexpr QRect turnMarker(int seat)
{
    return twipsRect(seatLeft(seat) + 1500, 1710, 450, 345);
}
// The resting drum; the row of letter buttons covers its bottom.
constexpr QRect restingDrumPlace = twipsRect(1650, 5310, 9000, 3690);
constexpr QRect letterRow = twipsRect(180, 8580, 11535, 375);
// The turning drum, over the table's top left corner.
constexpr QRect turningDrumPlace = twipsRect(0, 0, 5400, 5400);
constexpr QSize prizeBoxSize = twipsSize(1005, 735);
// Prize box 1 (left) or 2, closed on the table or lifted open.
constexpr QRect prizeBox(int box, bool open)
{
    return {twipsPoint(box == 1 ? 4920 : 6060, open ? 5040 : 5760), prizeBoxSize};
}
// Letter button 1..32, in the letter row.
constexpr QRect letterButton(int letter)
{
    return twipsRect(360 * (letter - 1), 0, 375, 375);
}
constexpr QRect messagePlate = twipsRect(3420, 3840, 6540, 1245);
constexpr QRect messageLine = twipsRect(4260, 4260, 5475, 435);
// The hidden word in tiny letters at the table's left edge, under its strip.
constexpr QRect hiddenWord = twipsRect(60, 4680, 1755, 135);
constexpr QRect hiddenWordStrip = twipsRect(0, 4665, 2415, 150);
// Seat 1..3: the name over the stand, the score on its plate, the computer's
// line under it, and a person's two buttons either side of the plate.
constexpr QRect seatName(int seat)
{
    return twipsRect(seatLeft(seat) + 60, 2130, 3330, 420);
}
constexpr QRect scorePlate(int seat)
{
    return twipsRect(seatLeft(seat) + 1050, 2640, 1350, 450);
}
constexpr QRect computerLine(int seat)
{
    return twipsRect(seatLeft(seat) + 60, 3150, 3330, 420);
}
constexpr QRect sayWordButton(int seat)
{
    return twipsRect(seatLeft(seat) + 90, 2640, 855, 855);
}
constexpr QRect spinButton(int seat)
{
    return twipsRect(seatLeft(seat) + 2505, 2640, 855, 855);
}
// The sound's speaker on the table: clear of the drum, the letters and the hidden word.
constexpr QPoint tableSpeakerAt{12, 528};
// The game window, around the table's backdrop.
constexpr QSize tableWindowSize = twipsSize(15270, 11040);

// Records window, on its backdrop: row 1..4 of the table, and row 0, the
// result that did not enter, standing apart below it.
constexpr std::array<int, 5> recordRowTops{3960, 1560, 2100, 2640, 3180};
constexpr QRect recordName(int row)
{
    return twipsRect(180, recordRowTops.at(row), 4215, 615);
}
constexpr QRect recordScore(int row)
{
    return twipsRect(4500, recordRowTops.at(row), 1395, 615);
}
// "Меню", back to the start window.
constexpr QRect recordsMenu = twipsRect(9180, 6960, 2355, 975);

// Player setup, in its window: the frame of the three seats, and OK at the
// frame's foot (in the frame).
constexpr QRect setupSeats{8, 36, 493, 293};
constexpr QRect setupOk{8, 232, 477, 53};

} // namespace pictures
