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

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!label()->isAvailable())
            state.disabled = true;
        return state;
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
        if (!label()->isVisible() || !label()->isEnabled() || !label()->isAvailable())
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

protected:
    PressableLabel* label() const { return static_cast<PressableLabel*>(widget()); }
};

// A status line: its text is there to be read and followed, one line that
// cannot be selected or edited.
class AccessibleStatusLine : public AccessiblePressableLabel, public QAccessibleTextInterface {
public:
    using AccessiblePressableLabel::AccessiblePressableLabel;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return AccessiblePressableLabel::interface_cast(type);
    }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override
    {
        const QString shown = text(QAccessible::Name);
        startOffset = qBound(0, startOffset, int(shown.size()));
        endOffset = endOffset < 0 ? int(shown.size()) : qBound(startOffset, endOffset, int(shown.size()));
        return shown.mid(startOffset, endOffset - startOffset);
    }
    using AccessiblePressableLabel::text;

    int characterCount() const override { return int(text(QAccessible::Name).size()); }

    // The line as a whole: its characters are not placed one by one.
    QRect characterRect(int offset) const override
    {
        return offset >= 0 && offset < characterCount() ? rect() : QRect();
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
};

QAccessibleInterface* gameWidgets(const QString& className, QObject* object)
{
    if (className == QLatin1String("PressableLabel")) {
        auto* label = static_cast<PressableLabel*>(object);
        if (label->accessibleRole() == QAccessible::StatusBar)
            return new AccessibleStatusLine(label);
        return new AccessiblePressableLabel(label);
    }
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
