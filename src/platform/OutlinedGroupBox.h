// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QGroupBox>

// A frame whose caption is drawn in its own colour with a dark rim, for a
// caption colour that the frame's ground would swallow. The frame, its gap
// for the caption and its name to assistive technology stay the toolkit's.
class OutlinedGroupBox : public QGroupBox {
    Q_OBJECT
public:
    OutlinedGroupBox(const QString& caption, const QColor& captionColour, QWidget* parent = nullptr);

    QColor captionColour() const { return captionColour_; }
    // The rim's width in pixels; 0 leaves the caption bare.
    void setCaptionRim(qreal rim);
    qreal captionRim() const { return rim_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor captionColour_;
    qreal rim_ = 1.5;
};
