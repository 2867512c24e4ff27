#include "app/FocusKeeper.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QWidget>

CFocusKeeper::CFocusKeeper(QWidget* home, QObject* parent) : QObject(parent), m_pHome(home) {}

void CFocusKeeper::Watch(QWidget* control)
{
    control->setFocusPolicy(Qt::TabFocus);
    control->installEventFilter(this);
}

bool CFocusKeeper::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (m_pHome != nullptr && m_pHome->isVisible())
            m_pHome->setFocus(Qt::OtherFocusReason);
        break;
    case QEvent::FocusIn:
        if (auto* button = qobject_cast<QAbstractButton*>(watched); button != nullptr && button->group() != nullptr) {
            // A button of a group takes Tab from the others of its group when
            // it gets the focus; Tab is to reach every control, so they get
            // it back once the button has had its event.
            static_cast<QObject*>(button)->event(event);
            for (QAbstractButton* other : button->group()->buttons())
                other->setFocusPolicy(Qt::TabFocus);
            return true;
        }
        break;
    case QEvent::ShortcutOverride: {
        // Claiming the key before the shortcuts see it: the focused button
        // is pressed by Space, not the window's pause.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier)
            event->accept();
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
