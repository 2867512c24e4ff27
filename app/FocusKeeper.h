#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps the keyboard with the view: a click on a watched control sends the
// focus back there, so Space still pauses after a click; a control reached
// by Tab keeps Space for itself, as everywhere on the desktop.
class CFocusKeeper : public QObject {
public:
    explicit CFocusKeeper(QWidget* home, QObject* parent = nullptr);

    // Watches a control of the bars or the chooser; its focus policy
    // becomes Tab only.
    void Watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_pHome;
};
