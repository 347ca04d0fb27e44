// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class Navigation;

// F1 anywhere in the program opens the rules window (or brings it to the
// front), in a box too ("Назовите слово:"): there the rules come over the
// box, and Esc gives the box its keyboard back.
class HelpKey : public QObject {
    Q_OBJECT
public:
    // Listens to every key of the application while it exists.
    explicit HelpKey(Navigation& navigation);
    ~HelpKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Navigation& navigation_;
};
