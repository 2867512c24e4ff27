#pragma once

#include <QToolBar>

#include <functional>
#include <map>

class QAction;

// The circuit chooser: fourteen 48 x 48 picture buttons in four groups, in
// catalogue order, fixed under the menu. Each button sends its circuit's
// command id and is shown pressed while its circuit is current.
class CCircuitChooser : public QToolBar {
public:
    static constexpr int kButtonSize = 48;

    CCircuitChooser(std::function<void(int id)> onCommand, QWidget* parent = nullptr);

    QAction* Action(int id) const;
    const std::map<int, QAction*>& Actions() const { return m_actions; }

private:
    std::map<int, QAction*> m_actions;
};
