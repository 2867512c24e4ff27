#include "platform/EscapeKeyRecorder.h"

#include <QCoreApplication>
#include <QKeyEvent>

CEscapeKeyRecorder::CEscapeKeyRecorder(std::function<void()> onPress) : m_onPress(std::move(onPress))
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

CEscapeKeyRecorder::~CEscapeKeyRecorder()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool CEscapeKeyRecorder::TakePress()
{
    const bool pressed = m_bPressed;
    m_bPressed = false;
    return pressed;
}

bool CEscapeKeyRecorder::eventFilter(QObject* watched, QEvent* event)
{
    // A key event reaches the filter once per widget it propagates through;
    // recording a flag makes the repeats harmless.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !m_bPressed) {
        m_bPressed = true;
        if (m_onPress)
            m_onPress();
    }
    return QObject::eventFilter(watched, event);
}
