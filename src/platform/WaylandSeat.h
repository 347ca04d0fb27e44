// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>

// Qt 6.4's Wayland text input reads the seat's input device without
// checking it, even when a text field only draws its cursor: on a compositor
// with no seat at all (a kiosk, a headless output) the say-word box would
// kill the game. Without a seat nobody types, so there the toolkit is told
// to use no text input, before it starts.
namespace waylandseat {

// The interfaces the Wayland compositor offers, asked before any application
// object exists. Nothing when there is no Wayland display to ask, when it
// does not answer, or when asking would take a socket handed to the toolkit
// (WAYLAND_SOCKET).
std::optional<QByteArrayList> compositorGlobals();

// For a compositor offering these interfaces, the value of
// QT_WAYLAND_TEXT_INPUT_PROTOCOL that keeps the toolkit off text input: a
// protocol it knows that the compositor lacks (a name it does not know
// would make it take any). Empty when the compositor has a seat, or offers
// every protocol the toolkit knows.
QByteArray textInputToAvoid(const QByteArrayList& globals);

// Sets QT_WAYLAND_TEXT_INPUT_PROTOCOL when the toolkit is going to speak
// Wayland to a compositor without a seat.
void avoidTextInputWithoutSeat();

} // namespace waylandseat
