#include "app/DialogBar.h"

#include "app/GroupBox.h"
#include "app/TextRoom.h"
#include "view/PictureControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace {

QString Translated(const char* text)
{
    return QCoreApplication::translate(kDialogBarContext, text);
}

}

CDialogBar::CDialogBar(const CDialogLayout& layout, CommandHandler onCommand, QWidget* parent)
    : QWidget(parent), m_layout(layout), m_nLayoutId(layout.nId), m_onCommand(std::move(onCommand))
{
    setFont(DialogFont(layout.pszFontFace, layout.nPointSize));
    for (const CDialogControl& control : layout.controls) {
        QWidget* widget = CreateControl(control);
        if (control.bDisabled)
            widget->setEnabled(false);
        if (control.pszAccessibleName != nullptr)
            widget->setAccessibleName(Translated(control.pszAccessibleName));
        if (control.nId != -1)
            m_controls[control.nId] = widget;
        m_ordered.push_back(widget);
    }

    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const CDialogControl& control = layout.controls[i];
        m_placed.push_back({&control, m_ordered[i], Translated(control.pszCaption),
                            control.pszAltCaption != nullptr ? Translated(control.pszAltCaption) : QString()});
    }
    m_altShown.assign(layout.controls.size(), false);
    Apply(PlacementAt(m_scale));

    // Tab goes down the page as it reads, row by row, not in creation order.
    std::vector<std::size_t> buttons;
    for (std::size_t i = 0; i < layout.controls.size(); ++i)
        if (qobject_cast<QAbstractButton*>(m_ordered[i]) != nullptr)
            buttons.push_back(i);
    std::stable_sort(buttons.begin(), buttons.end(), [&layout](std::size_t a, std::size_t b) {
        const CDialogControl& l = layout.controls[a];
        const CDialogControl& r = layout.controls[b];
        return std::pair(l.y, l.x) < std::pair(r.y, r.x);
    });
    for (std::size_t i = 1; i < buttons.size(); ++i)
        QWidget::setTabOrder(m_ordered[buttons[i - 1]], m_ordered[buttons[i]]);
}

const CBarPlacement& CDialogBar::PlacementAt(CBarScale scale) const
{
    auto it = m_placements.find(scale);
    if (it == m_placements.end())
        it = m_placements.emplace(scale, PlaceControls(m_layout, m_placed, font(), scale)).first;
    return it->second;
}

void CDialogBar::SetScale(CBarScale scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    for (std::size_t i = 0; i < m_placed.size(); ++i)
        if (PictureSize(*m_placed[i].control, *m_ordered[i], 1.0).isValid())
            static_cast<CPictureControl*>(m_ordered[i])->SetPictureScale(scale.pictures);
    Apply(PlacementAt(scale));
}

void CDialogBar::Apply(const CBarPlacement& placement)
{
    m_placement = placement;
    setFixedSize(placement.size);
    for (std::size_t i = 0; i < m_ordered.size(); ++i) {
        m_ordered[i]->setGeometry(placement.places[i]);
        ShowCaption(i, m_altShown[i] ? placement.altCaptions[i] : placement.captions[i]);
    }
}

void CDialogBar::ShowCaption(std::size_t index, const QString& caption)
{
    QWidget* control = m_ordered[index];
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (button->text() != caption)
            button->setText(caption);
    } else if (auto* box = dynamic_cast<CGroupBox*>(control)) {
        if (box->title() != caption)
            box->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control); label && label->text() != caption) {
        label->setText(caption);
        label->setContentsMargins(0, InkAboveLine(label->fontMetrics(), caption), 0, 0);
    }
}

QWidget* CDialogBar::CreateControl(const CDialogControl& control)
{
    const QString caption = Translated(control.pszCaption);
    switch (control.kind) {
    case DialogControlKind::ProgressBar: {
        auto* bar = new QProgressBar(this);
        bar->setTextVisible(false);
        return bar;
    }
    case DialogControlKind::RadioButton:
    case DialogControlKind::PushLikeRadio: {
        QAbstractButton* button = nullptr;
        if (control.kind == DialogControlKind::RadioButton) {
            button = new QRadioButton(caption, this);
        } else {
            button = new QPushButton(caption, this);
            button->setCheckable(true);
        }
        GroupFor(control.nGroup)->addButton(button);
        // Only the one chosen speaks: the others in its group go off with it.
        SendOnToggle(button, control.nId, false);
        return button;
    }
    case DialogControlKind::PushButton:
    case DialogControlKind::DefPushButton: {
        auto* button = new QPushButton(caption, this);
        // Only a dialog's default button answers Enter; a bar's buttons never do.
        button->setAutoDefault(false);
        button->setDefault(control.kind == DialogControlKind::DefPushButton);
        QObject::connect(button, &QAbstractButton::clicked, this, [this, id = control.nId] { m_onCommand(id); });
        return button;
    }
    case DialogControlKind::CheckBox: {
        auto* box = new QCheckBox(caption, this);
        SendOnToggle(box, control.nId, true);
        return box;
    }
    case DialogControlKind::GroupBox:
    case DialogControlKind::Text:
    case DialogControlKind::BlackFrame: {
        QWidget* widget = nullptr;
        if (control.kind == DialogControlKind::GroupBox) {
            widget = new CGroupBox(caption, this);
        } else if (control.kind == DialogControlKind::Text) {
            auto* label = new QLabel(caption, this);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            // An accent above the capitals starts the line that much lower,
            // inside the label.
            label->setContentsMargins(0, InkAboveLine(label->fontMetrics(), caption), 0, 0);
            widget = label;
        } else {
            widget = new CPictureControl(true, this);
        }
        // Decoration lies under the controls it surrounds and lets their
        // clicks through, whatever the creation order.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->lower();
        return widget;
    }
    case DialogControlKind::DrawnFrame: return new CPictureControl(true, this);
    case DialogControlKind::Picture: {
        auto* picture = new CPictureControl(false, this);
        picture->ShowResource(control.nBitmapId);
        return picture;
    }
    }
    return new QWidget(this);
}

QButtonGroup* CDialogBar::GroupFor(int group)
{
    QButtonGroup*& buttons = m_groups[group];
    if (buttons == nullptr) {
        buttons = new QButtonGroup(this);
        buttons->setExclusive(true);
    }
    return buttons;
}

QWidget* CDialogBar::Control(int id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

QAbstractButton* CDialogBar::Button(int id) const
{
    return qobject_cast<QAbstractButton*>(Control(id));
}

CPictureControl* CDialogBar::Picture(int id) const
{
    return dynamic_cast<CPictureControl*>(Control(id));
}

QProgressBar* CDialogBar::ProgressBar(int id) const
{
    return qobject_cast<QProgressBar*>(Control(id));
}

void CDialogBar::SendOnToggle(QAbstractButton* button, int id, bool bothWays)
{
    QObject::connect(button, &QAbstractButton::toggled, this, [this, id, bothWays](bool checked) {
        if (!m_syncing && (checked || bothWays))
            m_onCommand(id);
    });
}

void CDialogBar::SetChecked(int id, bool checked)
{
    if (QAbstractButton* button = Button(id)) {
        const QScopedValueRollback syncing(m_syncing, true);
        button->setChecked(checked);
    }
}

void CDialogBar::SetEnabled(int id, bool enabled)
{
    if (QWidget* control = Control(id))
        control->setEnabled(enabled);
}

void CDialogBar::ShowAltCaption(int id, bool alt)
{
    const auto it = std::find_if(m_layout.controls.begin(), m_layout.controls.end(),
                                 [id](const CDialogControl& control) { return control.nId == id; });
    if (Button(id) == nullptr || it == m_layout.controls.end() || it->pszAltCaption == nullptr)
        return;
    const auto index = static_cast<std::size_t>(it - m_layout.controls.begin());
    m_altShown[index] = alt;
    ShowCaption(index, alt ? m_placement.altCaptions[index] : m_placement.captions[index]);
}

void CDialogBar::ReplaceControl(int id, QWidget* replacement)
{
    QWidget* old = Control(id);
    if (old == nullptr || old == replacement)
        return;
    if (replacement->parentWidget() != this)
        replacement->setParent(this);
    m_controls[id] = replacement;
    std::replace(m_ordered.begin(), m_ordered.end(), old, replacement);
    for (CPlacedControl& placed : m_placed)
        if (placed.widget == old)
            placed.widget = replacement;
    m_placements.clear();
    delete old;
}
