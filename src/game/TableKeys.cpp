// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TableKeys.h"

#include "platform/PressableLabel.h"
#include "rules/WordRound.h"
#include "state/GameState.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include <array>
#include <utility>

namespace {

// The standard Russian layout, row by row, over the Latin one.
// clang-format off
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
// clang-format on

// The same places as X key codes (evdev): the rows start at 24, 38 and 52;
// the key left of 1 (49) is Ё.
// clang-format off
constexpr std::array<std::pair<quint32, char16_t>, 33> x11Keys{{
    {24, u'Й'}, {25, u'Ц'}, {26, u'У'}, {27, u'К'}, {28, u'Е'}, {29, u'Н'}, {30, u'Г'},
    {31, u'Ш'}, {32, u'Щ'}, {33, u'З'}, {34, u'Х'}, {35, u'Ъ'},
    {38, u'Ф'}, {39, u'Ы'}, {40, u'В'}, {41, u'А'}, {42, u'П'}, {43, u'Р'}, {44, u'О'},
    {45, u'Л'}, {46, u'Д'}, {47, u'Ж'}, {48, u'Э'}, {49, u'Е'},
    {52, u'Я'}, {53, u'Ч'}, {54, u'С'}, {55, u'М'}, {56, u'И'}, {57, u'Т'}, {58, u'Ь'},
    {59, u'Б'}, {60, u'Ю'},
}};
// clang-format on

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
// clang-format off
constexpr std::array<std::pair<char16_t, char16_t>, 6> shiftedSigns{{
    {u'{', u'Х'}, {u'}', u'Ъ'}, {u':', u'Ж'}, {u'"', u'Э'}, {u'<', u'Б'}, {u'>', u'Ю'},
}};
// clang-format on

} // namespace

QString TableKeys::cellKey(int cell)
{
    if (cell == 10)
        return QStringLiteral("0");
    if (cell == 11)
        return QStringLiteral("−");
    return QString::number(cell);
}

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

TableKeys::TableKeys(QWidget& window, const WordRound& round)
    : QObject(&window), window_(window), round_(round),
      x11_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(this);
    connect(&round, &WordRound::played, this, [this] {
        if (window_.isActiveWindow() && window_.focusWidget() != &window_)
            window_.setFocus(Qt::OtherFocusReason);
    });
}

bool TableKeys::pressFocused(QObject* watched, int key)
{
    if (watched == &window_ || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter))
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
        button->click();
        return true;
    }
    if (auto* label = qobject_cast<PressableLabel*>(watched)) {
        label->press();
        return true;
    }
    return false;
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            if (pressFocused(watched, key->key()))
                return true;
            const Command command = commandFor(key->key(), key->text(), key->modifiers(),
                                               key->nativeScanCode(), x11_);
            if (command.action != Action::None) {
                press(command);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TableKeys::press(const Command& command)
{
    using Move = WordRound::Move;
    const auto allows = [this](Move move) { return round_.allows(move); };
    const int seat = round_.currentSeat();
    switch (command.action) {
    case Action::None:
        return false;
    case Action::Letter:
        if (!allows(Move::NameLetter) || !round_.isLetterFree(command.number))
            return false;
        emit letterChosen(command.number);
        return true;
    case Action::Spin:
    case Action::SayWord:
        // Once the word is over both lead on, as the message line's click does.
        if (allows(Move::GoOn)) {
            emit goOnChosen();
            return true;
        }
        if (!allows(Move::Spin))
            return false;
        if (command.action == Action::Spin)
            emit spinChosen(seat);
        else
            emit sayWordChosen(seat);
        return true;
    case Action::PreviousBox:
    case Action::NextBox:
        if (!allows(Move::OpenBox))
            return false;
        emit boxChosen(command.action == Action::PreviousBox ? 1 : 2);
        return true;
    case Action::Number:
        if (command.number <= WordRound::boxCount && allows(Move::OpenBox)) {
            emit boxChosen(command.number);
            return true;
        }
        // Under the plus sector a cell opens on its click; otherwise the key does nothing.
        if (!allows(Move::OpenPlusCell) || command.number > round_.wordLength()
            || round_.isCellOpen(command.number))
            return false;
        emit cellChosen(command.number);
        return true;
    }
    return false;
}
