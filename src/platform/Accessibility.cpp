// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Accessibility.h"

#include "platform/LoadableWindow.h"
#include "platform/PressableLabel.h"

#include <QAccessibleWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

class AccessiblePressableLabel : public QAccessibleWidget {
public:
    explicit AccessiblePressableLabel(PressableLabel* label)
        : QAccessibleWidget(label, label->accessibleRole())
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty()) {
            const QString shown = label()->text();
            const bool rich = label()->textFormat() == Qt::RichText
                              || (label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown));
            return rich ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (!label()->isVisible() || !label()->isEnabled())
            return;
        // Later, from the event loop: the press may discard the window, and
        // with it this interface, and the reader waits for its answer first.
        QMetaObject::invokeMethod(label(), &PressableLabel::press, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName == pressAction() && label()->focusPolicy() != Qt::NoFocus)
            return {QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    PressableLabel* label() const { return static_cast<PressableLabel*>(widget()); }
};

QAccessibleInterface* gameWidgets(const QString& className, QObject* object)
{
    if (className == QLatin1String("PressableLabel"))
        return new AccessiblePressableLabel(static_cast<PressableLabel*>(object));
    // A plain widget would be reported as a filler; every game window is a
    // window, named by its title.
    if (className == QLatin1String("LoadableWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    // The game's boxes (a question, an error, "Назовите слово:") are dialogs;
    // a box the toolkit knows better (a message box as an alert) never gets here.
    if (className == QLatin1String("QDialog"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

void accessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(gameWidgets);
        return true;
    }();
    Q_UNUSED(installed);
}
