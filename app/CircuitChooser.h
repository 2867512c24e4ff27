#pragma once

#include <QToolBar>

#include <functional>
#include <map>

class CChooserButtons;
class QAction;
class QToolButton;

// The circuit chooser: a 48 x 48 picture button for each circuit, in its group, in
// catalogue order, fixed under the menu. Each button sends its circuit's
// command id and is shown pressed while its circuit is current. On a narrow
// window the buttons take two rows (see CChooserButtons).
class CCircuitChooser : public QToolBar {
public:
    static constexpr int kButtonSize = 48;

    CCircuitChooser(std::function<void(int id)> onCommand, QWidget* parent = nullptr);

    QAction* Action(int id) const;
    const std::map<int, QAction*>& Actions() const { return m_actions; }
    // The buttons' actions in the order shown, a separator between groups.
    QList<QAction*> Items() const;
    QToolButton* Button(int id) const;
    CChooserButtons* Buttons() const { return m_pButtons; }

private:
    std::map<int, QAction*> m_actions;
    CChooserButtons* m_pButtons = nullptr;
};
