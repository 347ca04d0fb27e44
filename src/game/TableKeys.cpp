// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TableKeys.h"

#include "game/GameWindow.h"
#include "platform/EventLabel.h"
#include "state/GameState.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <array>
#include <utility>

namespace {

// The standard Russian layout, row by row, over the Latin one.
constexpr std::array<std::pair<int, char16_t>, 34> latinKeys{{
    {Qt::Key_Q, u'Й'}, {Qt::Key_W, u'Ц'}, {Qt::Key_E, u'У'}, {Qt::Key_R, u'К'}, {Qt::Key_T, u'Е'},
    {Qt::Key_Y, u'Н'}, {Qt::Key_U, u'Г'}, {Qt::Key_I, u'Ш'}, {Qt::Key_O, u'Щ'}, {Qt::Key_P, u'З'},
    {Qt::Key_BracketLeft, u'Х'}, {Qt::Key_BracketRight, u'Ъ'},
    {Qt::Key_A, u'Ф'}, {Qt::Key_S, u'Ы'}, {Qt::Key_D, u'В'}, {Qt::Key_F, u'А'}, {Qt::Key_G, u'П'},
    {Qt::Key_H, u'Р'}, {Qt::Key_J, u'О'}, {Qt::Key_K, u'Л'}, {Qt::Key_L, u'Д'},
    {Qt::Key_Semicolon, u'Ж'}, {Qt::Key_Apostrophe, u'Э'}, {Qt::Key_QuoteLeft, u'Е'},
    {Qt::Key_Z, u'Я'}, {Qt::Key_X, u'Ч'}, {Qt::Key_C, u'С'}, {Qt::Key_V, u'М'}, {Qt::Key_B, u'И'},
    {Qt::Key_N, u'Т'}, {Qt::Key_M, u'Ь'}, {Qt::Key_Comma, u'Б'}, {Qt::Key_Period, u'Ю'},
    {Qt::Key_AsciiTilde, u'Е'},
}};

// The same places as X key codes (evdev): the rows start at 24, 38 and 52;
// the key left of 1 (49) is Ё.
constexpr std::array<std::pair<quint32, char16_t>, 33> x11Keys{{
    {24, u'Й'}, {25, u'Ц'}, {26, u'У'}, {27, u'К'}, {28, u'Е'}, {29, u'Н'}, {30, u'Г'},
    {31, u'Ш'}, {32, u'Щ'}, {33, u'З'}, {34, u'Х'}, {35, u'Ъ'},
    {38, u'Ф'}, {39, u'Ы'}, {40, u'В'}, {41, u'А'}, {42, u'П'}, {43, u'Р'}, {44, u'О'},
    {45, u'Л'}, {46, u'Д'}, {47, u'Ж'}, {48, u'Э'}, {49, u'Е'},
    {52, u'Я'}, {53, u'Ч'}, {54, u'С'}, {55, u'М'}, {56, u'И'}, {57, u'Т'}, {58, u'Ь'},
    {59, u'Б'}, {60, u'Ю'},
}};

int letterFromText(const QString& text)
{
    if (text.size() != 1)
        return 0;
    QChar letter = text.at(0).toUpper();
    if (letter == u'Ё')
        letter = u'Е';
    return letters::number(letter);
}

template <typename Key, std::size_t N>
int letterFromTable(const std::array<std::pair<Key, char16_t>, N>& table, Key key)
{
    for (const auto& [place, letter] : table) {
        if (place == key)
            return letters::number(QChar(letter));
    }
    return 0;
}

// The shifted signs on the keys whose unshifted sign names a letter.
constexpr std::array<std::pair<char16_t, char16_t>, 6> shiftedSigns{{
    {u'{', u'Х'}, {u'}', u'Ъ'}, {u':', u'Ж'}, {u'"', u'Э'}, {u'<', u'Б'}, {u'>', u'Ю'},
}};

} // namespace

QString TableKeys::russianAtLatinPlaces(const QString& typed)
{
    QString text = typed;
    for (QChar& character : text) {
        const char16_t unit = character.toUpper().unicode();
        if (unit >= 0x80)
            continue;
        for (const auto& [key, letter] : latinKeys) {
            if (key == unit)
                character = QChar(letter);
        }
        for (const auto& [sign, letter] : shiftedSigns) {
            if (sign == unit)
                character = QChar(letter);
        }
    }
    return text;
}

TableKeys::Command TableKeys::commandFor(int key, const QString& text, Qt::KeyboardModifiers modifiers,
                                         quint32 scanCode, bool x11KeyCode)
{
    // Ctrl belongs to the look at the hidden word; Alt and Meta to the desktop.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (key) {
    case Qt::Key_Space:
        return {Action::Spin};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {Action::SayWord};
    case Qt::Key_Left:
        return {Action::PreviousBox};
    case Qt::Key_Right:
        return {Action::NextBox};
    case Qt::Key_0:
        return {Action::Number, 10};
    case Qt::Key_Minus:
        return {Action::Number, 11};
    default:
        break;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return {Action::Number, key - Qt::Key_0};

    int letter = letterFromText(text);
    if (letter == 0 && x11KeyCode)
        letter = letterFromTable(x11Keys, scanCode);
    if (letter == 0 && !x11KeyCode)
        letter = letterFromTable(latinKeys, key);
    if (letter != 0)
        return {Action::Letter, letter};
    return {};
}

TableKeys::TableKeys(GameWindow& window, const GameState& state)
    : QObject(&window), window_(window), state_(state),
      x11_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    window_.installEventFilter(this);
    for (QWidget* child : window_.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const Command command =
                commandFor(key->key(), key->text(), key->modifiers(), key->nativeScanCode(), x11_);
            if (command.action != Action::None) {
                press(command);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TableKeys::onTable(const QWidget* control) const
{
    // The table's controls all go while the drum turns in its place.
    return control->isVisibleTo(&window_) && control->isEnabled();
}

bool TableKeys::clickIfAvailable(QAbstractButton* button) const
{
    if (!onTable(button))
        return false;
    button->click();
    return true;
}

bool TableKeys::press(const Command& command)
{
    if (state_.WordFinished) {
        // The message line leads on, as its click does.
        const bool leadsOn = command.action == Action::Spin || command.action == Action::SayWord;
        if (!leadsOn || !onTable(window_.messageLine()))
            return false;
        window_.goOn();
        return true;
    }
    if (state_.CurrentSeat < 1 || state_.Stage < 1 || state_.Stage > GameState::finalStage
        || state_.player(state_.CurrentSeat, state_.Stage).kind != PlayerKind::Person)
        return false;

    const auto seatButton = [this](QPushButton* (GameWindow::*button)(int) const) {
        for (int seat = 1; seat <= GameState::seatCount; ++seat) {
            if (clickIfAvailable((window_.*button)(seat)))
                return true;
        }
        return false;
    };
    const auto openBox = [this](int b) {
        if (!onTable(window_.box(b)))
            return false;
        window_.openBox(b);
        return true;
    };

    switch (command.action) {
    case Action::None:
        return false;
    case Action::Letter:
        return onTable(window_.letterPanel()) && clickIfAvailable(window_.letterButton(command.number));
    case Action::Spin:
        return seatButton(&GameWindow::spinButton);
    case Action::SayWord:
        return seatButton(&GameWindow::sayButton);
    case Action::PreviousBox:
        return openBox(1);
    case Action::NextBox:
        return openBox(2);
    case Action::Number:
        if (command.number <= 2 && onTable(window_.box(command.number)))
            return openBox(command.number);
        // Under the plus sector a cell opens on its click; otherwise the click does nothing.
        if (command.number > GameState::maxWordLength || !onTable(window_.cell(command.number)))
            return false;
        window_.cellClicked(command.number);
        return true;
    }
    return false;
}
