// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>

// Horizontal rules that look cut into the window: a line in the button
// shadow colour with one in the highlight colour a pixel below it. They lie
// over the coloured bands they frame, so they are a layer of their own;
// the mouse passes through.
class EtchedRules : public QWidget {
    Q_OBJECT
public:
    // `tops`: the shadow line of each rule, in twips; rules run from x 0 to `rightTwips`.
    EtchedRules(QList<int> tops, int rightTwips, QWidget* parent = nullptr);

    QList<int> tops() const { return tops_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<int> tops_;
    int right_;
};
