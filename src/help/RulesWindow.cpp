// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/RulesWindow.h"

#include "about/EtchedRules.h"
#include "platform/EventLabel.h"
#include "platform/Navigation.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

const QColor bandColour(0x00, 0xC0, 0x00);
const QColor titleColour(0xFF, 0xFF, 0xC0);
const QColor textColour(0x00, 0x20, 0x00);
const QSize clientSize(540, 560);
constexpr int headerHeight = 48;
constexpr int footerHeight = 30;

const QString title = QStringLiteral("Правила игры");

const QString rulesText = QStringLiteral(
    "<p><b>Турнир.</b> Играют три тройки, затем финал: в нём встречаются победители троек; "
    "за каждым местом — человек или компьютер.</p>"
    "<p><b>Ход.</b> Игрок с маркером крутит барабан — «Кручу барабан» (Пробел). Сектор решает ход:</p>"
    "<ul>"
    "<li><b>10 … 80 очков</b> — назовите букву кнопками А–Я (или клавишей буквы). Каждая открытая "
    "клетка приносит очки сектора. Есть буква — ход ваш, нет — ход переходит.</li>"
    "<li><b>Ваши очки умножаются на 2</b> — за каждую открытую клетку.</li>"
    "<li><b>Переход хода!</b> — ход у следующего игрока.</li>"
    "<li><b>Вы банкрот!</b> — очки сгорают, ход переходит.</li>"
    "<li><b>Сектор плюс</b> — откройте любую закрытую клетку щелчком (или клавишей её номера: "
    "1 … 9, 0, −).</li>"
    "</ul>"
    "<p><b>Слово целиком.</b> «Скажу слово» (Enter): верное слово выигрывает тур, неверное "
    "выводит игрока из игры за это слово.</p>"
    "<p><b>Шкатулки.</b> Открывшему три клетки предлагают две шкатулки (1 или 2, ← или →); "
    "в одной из них 100 очков.</p>"
    "<p><b>После слова.</b> Щелчок по строке сообщений (Enter или Пробел) ведёт дальше: к следующей тройке, к финалу, к рекордам. "
    "Победитель финала входит в «Рекорды», если его счёт среди четырёх лучших.</p>");

} // namespace

RulesWindow::RulesWindow(Navigation& navigation)
    : navigation_(navigation)
{
    setWindowTitle(title);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setBackgroundColour(gameBackground);
    setFixedSize(clientSize);

    auto* header = new EventLabel(title, this);
    header->setObjectName(QStringLiteral("Header"));
    header->setGeometry(0, 8, clientSize.width(), headerHeight);
    QFont titleFont(QStringLiteral("Monotype Corsiva"), 26);
    titleFont.setItalic(true);
    header->setFont(titleFont);
    header->setAlignment(Qt::AlignCenter);
    header->setTextColour(titleColour);
    header->setBackgroundColour(bandColour);
    header->setBackgroundOpaque(true);

    text_ = new EventLabel(rulesText, this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setGeometry(16, 8 + headerHeight + 8, clientSize.width() - 32,
                       clientSize.height() - headerHeight - footerHeight - 32);
    text_->setTextFormat(Qt::RichText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextColour(textColour);
    // The whole text in view, whatever the fonts: smaller before it would run under the footer.
    QFont bodyFont(QStringLiteral("Comic Sans MS"));
    for (qreal points = 10; points >= textfit::readablePoints; points -= 0.5) {
        bodyFont.setPointSizeF(points);
        text_->setFont(bodyFont);
        if (text_->heightForWidth(text_->width()) <= text_->height())
            break;
    }

    auto* footer = new EventLabel(QStringLiteral("Esc — закрыть"), this);
    footer->setObjectName(QStringLiteral("Footer"));
    footer->setGeometry(0, clientSize.height() - footerHeight - 8, clientSize.width(), footerHeight);
    QFont footerFont(QStringLiteral("Comic Sans MS"));
    footerFont.setPointSizeF(9.75);
    footer->setFont(footerFont);
    footer->setAlignment(Qt::AlignCenter);
    footer->setBackgroundColour(bandColour);
    footer->setBackgroundOpaque(true);

    const int footerTop = clientSize.height() - footerHeight - 8;
    auto* rules = new EtchedRules({twipsPerPixel * 7, twipsPerPixel * (8 + headerHeight),
                                   twipsPerPixel * (footerTop - 1), twipsPerPixel * (footerTop + footerHeight)},
                                  twipsPerPixel * clientSize.width(), this);
    rules->setGeometry(rect());
}

void RulesWindow::present()
{
    if (!isVisible()) {
        QWidget* active = QApplication::activeWindow();
        previous_ = active != this ? active : nullptr;
        if (const QScreen* screen = QApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->geometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void RulesWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        giveKeyboardBack();
        navigation_.closeRules();
        return;
    }
    LoadableWindow::keyPressEvent(event);
}

void RulesWindow::closeEvent(QCloseEvent* event)
{
    giveKeyboardBack();
    LoadableWindow::closeEvent(event);
}

void RulesWindow::giveKeyboardBack()
{
    // Without a window manager nobody else would hand the keyboard back.
    if (previous_ && previous_->isVisible())
        previous_->activateWindow();
}
