#pragma once

#include "platform/DialogUnits.h"
#include "res/DialogLayouts.h"

#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QProgressBar;
class CPictureControl;

// A dialog layout's contents: a docked bar's, or the page of a dialog such as
// the About box. Every control stands at its place in dialog units, which
// start as the dialog font's own and grow until every caption, and every
// picture drawn into a frame, fits its place; pictures and drawn frames take
// their picture's own size.
// Clicking a button sends its id. A radio button or check box sends it when
// its checked state changes, however that came about (a click, a key, a
// screen reader's toggle action), except through SetChecked.
class CDialogBar : public QWidget {
public:
    using CommandHandler = std::function<void(int id)>;

    CDialogBar(const CDialogLayout& layout, CommandHandler onCommand, QWidget* parent = nullptr);

    int LayoutId() const { return m_nLayoutId; }
    // The units the page is laid out in.
    const CDialogUnits& Units() const { return m_units; }
    QWidget* Control(int id) const;
    // The control built for the layout's control at index, in creation order.
    QWidget* ControlAt(std::size_t index) const { return m_ordered.at(index); }
    std::size_t ControlCount() const { return m_ordered.size(); }
    QAbstractButton* Button(int id) const;
    CPictureControl* Picture(int id) const;
    QProgressBar* ProgressBar(int id) const;

    // Sets a button's checked state without sending its command.
    void SetChecked(int id, bool checked);
    void SetEnabled(int id, bool enabled);
    // Shows a control's second caption, or its first again.
    void ShowAltCaption(int id, bool alt);

    // Puts a control of the program's own kind in the place of the one built
    // for id, which is deleted; the new control comes last in keyboard order.
    void ReplaceControl(int id, QWidget* replacement);

private:
    QWidget* CreateControl(const CDialogControl& control);
    QButtonGroup* GroupFor(int group);
    // bothWays: unchecking sends the id too, as for a check box.
    void SendOnToggle(QAbstractButton* button, int id, bool bothWays);

    const CDialogLayout& m_layout;
    int m_nLayoutId;
    CDialogUnits m_units{1, 1};
    CommandHandler m_onCommand;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_ordered;
    std::map<int, QButtonGroup*> m_groups;
    bool m_syncing = false;
};
