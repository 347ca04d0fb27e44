#include "help/HelpKey.h"

#include "platform/WindowNames.h"
#include "platform/WindowRegistry.h"

#include <QApplication>
#include <QKeyEvent>

HelpKey::HelpKey(WindowRegistry& windows)
    : windows_(windows)
{
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && !static_cast<QKeyEvent*>(event)->isAutoRepeat() && !QApplication::activeModalWidget()) {
        windows_.show(windownames::rules);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
