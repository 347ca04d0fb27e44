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
// Wide rather than tall: the rules must fit a screen of 800 × 600 whole.
const QSize clientSize(720, 560);
constexpr int headerHeight = 48;
constexpr int footerHeight = 30;

} // namespace

QString RulesWindow::title()
{
    return tr("Правила игры");
}

QString RulesWindow::rulesText()
{
    // In the table's own words: a trio is a "тройка", the last stage the
    // "Финал"; every key named here is one the table answers.
    return tr("<p><b>Турнир.</b> Играют три тройки, затем «Финал», где встречаются победители троек "
              "с очками, набранными в своей тройке. За каждым местом — «Человек» или «Комп». Если в тройке "
              "нет победителя, её место в финале занимает новый игрок.</p>")
           + tr("<p><b>Победа.</b> Тройку и финал выигрывает тот, кто откроет последнюю букву слова или "
                "скажет слово целиком, — сколько бы очков ни было у других. Очки решают только рекорд: "
                "победитель финала входит в «Рекорды», если набрал больше одного из четырёх лучших.</p>")
           + tr("<p><b>Ход.</b> Над клетками — тема слова. Игрок, у которого маркер хода, жмёт "
                "«Кручу барабан» (Пробел). Сектор решает ход:</p>"
                "<ul>"
                "<li><b>10, 20, 30, 40, 50 или 80 очков</b> — назовите букву кнопкой А–Я или клавишей буквы. "
                "Каждая открытая клетка приносит очки сектора. Есть буква — крутите снова, нет — ход "
                "переходит.</li>"
                "<li><b>Ваши очки умножаются на 2</b> — за каждую открытую клетку.</li>"
                "<li><b>Переход хода!</b> — ход у следующего игрока.</li>"
                "<li><b>Вы банкрот!</b> — очки сгорают, ход переходит.</li>"
                "<li><b>Сектор плюс</b> — откройте любую закрытую клетку: щелчком или клавишей её номера "
                "1 … 9, 0 (десятая), − (одиннадцатая).</li>"
                "</ul>")
           + tr("<p><b>Слово целиком.</b> Вместо того чтобы крутить барабан, нажмите «Скажу слово» (Enter) "
                "и впишите слово. Верное слово выигрывает тройку; неверное выводит игрока из игры до конца "
                "этого слова. Ошиблись все — «Нет победителя!».</p>")
           + tr("<p><b>Шкатулки.</b> Кто открыл три клетки, тому один раз за слово предлагают две шкатулки: "
                "выберите щелчком, клавишей 1 или 2, стрелкой ← или →. В одной из них 100 очков.</p>")
           + tr("<p><b>Клавиши.</b> Буквы работают и в латинской раскладке: клавиша на месте русской буквы "
                "называет эту букву, и в окне «Назовите слово:» тоже. M — звук включить или выключить. "
                "Esc спрашивает «Закончить игру?». Когда слово открыто, строка сообщений (щелчок, Enter "
                "или Пробел) ведёт дальше: к следующей тройке, к финалу, к рекордам. F1 — эти правила.</p>");
}

RulesWindow::RulesWindow(Navigation& navigation) : navigation_(navigation)
{
    setWindowTitle(title());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setBackgroundColour(gameBackground);
    setFixedSize(clientSize);

    auto* header = new EventLabel(title(), this);
    header->setObjectName(QStringLiteral("Header"));
    header->setGeometry(0, 8, clientSize.width(), headerHeight);
    QFont titleFont(QStringLiteral("Monotype Corsiva"), 26);
    titleFont.setItalic(true);
    header->setFont(titleFont);
    header->setAlignment(Qt::AlignCenter);
    header->setTextColour(titleColour);
    header->setBackgroundColour(bandColour);
    header->setBackgroundOpaque(true);

    text_ = new EventLabel(rulesText(), this);
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

    auto* footer = new EventLabel(tr("Esc — закрыть"), this);
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
                                   twipsPerPixel * (footerTop - 1),
                                   twipsPerPixel * (footerTop + footerHeight)},
                                  twipsPerPixel * clientSize.width(), this);
    rules->setGeometry(rect());
}

void RulesWindow::present()
{
    // Over a box that waits for its answer the rules must be a box of their
    // own: any other window stays out of reach of the keyboard and the mouse
    // until the box is answered. A modality counts from the next show.
    QWidget* box = QApplication::activeModalWidget();
    if (box && box != this && windowModality() != Qt::ApplicationModal) {
        hide();
        setWindowModality(Qt::ApplicationModal);
    }
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
        // Shown over a box, the rules are a box themselves: one that stayed
        // on the screen until discarded would keep the box below out of reach.
        if (windowModality() != Qt::NonModal)
            hide();
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
