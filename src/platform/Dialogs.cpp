// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

QWidget* boxParent(QWidget* owner)
{
    if (!owner)
        return nullptr;
    QWidget* window = owner->window();
    return window->isVisible() ? window : nullptr;
}

// Runs the box and hands it to `read` while it still exists. The box lives on
// the heap under a guard: should its parent go after all, the parent takes
// the box with it and nothing deletes it twice.
template <typename Box, typename Read>
auto runBox(Box* box, Read read)
{
    const QPointer<Box> guard(box);
    box->setWindowModality(Qt::ApplicationModal);
    const int result = box->exec();
    const auto answer = read(guard.data(), result);
    delete guard.data();
    return answer;
}

} // namespace

Dialogs::Answer QtDialogs::message(QWidget* owner, const QString& text, Icon icon, Buttons buttons,
                                   const QString& title)
{
    auto* box = new QMessageBox(icon == Icon::Question ? QMessageBox::Question : QMessageBox::Critical, title,
                                text, QMessageBox::NoButton, boxParent(owner));
    if (buttons == Buttons::YesNo) {
        QPushButton* yes = box->addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box->addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        // No single key throws anything away: Enter and Esc both answer "Нет".
        box->setDefaultButton(no);
        box->setEscapeButton(no);
        const QPointer<QPushButton> yesButton(yes);
        return runBox(box, [yesButton](QMessageBox* shown, int) {
            return shown && yesButton && shown->clickedButton() == yesButton ? Answer::Yes : Answer::No;
        });
    }
    box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    return runBox(box, [](QMessageBox*, int) { return Answer::Ok; });
}

QString QtDialogs::input(QWidget* owner, const QString& prompt, const QString& title,
                         const QString& defaultText, QValidator* validator)
{
    auto* dialog = new QInputDialog(boxParent(owner));
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    if (validator) {
        if (auto* line = dialog->findChild<QLineEdit*>())
            line->setValidator(validator);
    }
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Отмена"));
    return runBox(dialog, [](QInputDialog* shown, int result) {
        return shown && result == QDialog::Accepted ? shown->textValue() : QString();
    });
}
