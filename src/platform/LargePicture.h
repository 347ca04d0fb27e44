// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Pictures.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <stop_token>

class DataDir;

// Each picture of Data also comes drawn at two and at four times its size,
// beside it under the same name with "@2x" or "@4x" before the extension
// ("Scr/Osn@2x.res"). On a screen scaled up, the smallest one at least as
// sharp as the screen is decoded, so the picture stays sharp; without it (or
// when it cannot be decoded) a smaller one serves.
namespace largepicture {

// The picture for a screen of the given device pixel ratio, carrying the
// ratio it was drawn at. Null when neither file can be decoded. When
// `largest` is given (the control's size), the picture is decoded no larger
// than the control covers on the screen. Once `stop` is requested the file's
// reads fail, and the picture comes out null within a few rows.
QImage read(const DataDir& data, const QString& relative, qreal deviceRatio, QSize largest = {},
            const std::stop_token& stop = {});

} // namespace largepicture
