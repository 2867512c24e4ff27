#pragma once

#include "app/BarPlacement.h"
#include "platform/DialogUnits.h"
#include "core/res/DialogLayouts.h"

#include <QWidget>

#include <array>
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
// their picture's own size. On a small window a bar narrows to a smaller
// scale: its pictures shrink and its captions break into lines (see
// PlaceControls).
// Clicking a button sends its id. A radio button or check box sends it when
// its checked state changes, however that came about (a click, a key, a
// screen reader's toggle action), except through SetChecked.
class CDialogBar : public QWidget {
public:
    using CommandHandler = std::function<void(int id)>;

    CDialogBar(const CDialogLayout& layout, CommandHandler onCommand, QWidget* parent = nullptr);

    // The scales a bar may take across and for its pictures, largest first:
    // the pictures' sizes stay whole pixels at each.
    static constexpr std::array<qreal, 5> kScales{1.0, 0.92, 0.84, 0.76, 0.68};

    int LayoutId() const { return m_nLayoutId; }
    // The units the page is laid out in.
    const CDialogUnits& Units() const { return m_placement.units; }
    // Lays the page out again at a scale, pictures and all.
    void SetScale(CBarScale scale);
    CBarScale Scale() const { return m_scale; }
    // The page's size at a scale, shown or not.
    QSize SizeAt(CBarScale scale) const { return PlacementAt(scale).size; }
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
    const CBarPlacement& PlacementAt(CBarScale scale) const;
    void Apply(const CBarPlacement& placement);
    // Shows a caption on the control at index, whatever its kind.
    void ShowCaption(std::size_t index, const QString& caption);
    QButtonGroup* GroupFor(int group);
    // bothWays: unchecking sends the id too, as for a check box.
    void SendOnToggle(QAbstractButton* button, int id, bool bothWays);

    const CDialogLayout& m_layout;
    int m_nLayoutId;
    std::vector<CPlacedControl> m_placed;
    mutable std::map<CBarScale, CBarPlacement> m_placements;   // by scale, as first asked for
    CBarPlacement m_placement;   // as shown
    CBarScale m_scale;
    std::vector<bool> m_altShown;
    CommandHandler m_onCommand;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_ordered;
    std::map<int, QButtonGroup*> m_groups;
    bool m_syncing = false;
};
