// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1251, the code page of the topic files and the records file.
namespace cp1251 {

// Every byte has a meaning in Windows-1251 except 0x98; that one decodes to U+FFFD.
QString decode(const QByteArray& bytes);

// Encodes text; empty when a character has no Windows-1251 byte.
std::optional<QByteArray> encode(const QString& text);

// True when the character can be written to a Windows-1251 file unchanged.
bool canHold(QChar character);

} // namespace cp1251
