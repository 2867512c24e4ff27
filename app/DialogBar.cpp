#include "app/DialogBar.h"

#include "app/GroupBox.h"
#include "app/TextRoom.h"
#include "platform/Resources.h"
#include "res/BitmapTable.h"
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

QRect ToRect(const CDialogControl& control)
{
    return QRect(control.x, control.y, control.w, control.h);
}

// The size of a picture control or a drawn frame; invalid for other controls.
QSize PictureSize(const CDialogControl& control, const QWidget& widget)
{
    if (control.kind == DialogControlKind::Picture)
        return static_cast<const CPictureControl&>(widget).Image().deviceIndependentSize().toSize();
    if (control.kind == DialogControlKind::DrawnFrame) {
        // The frame holds the picture the program draws into it, which is
        // as large as its artwork, and the frame's border around it.
        const int border = static_cast<const CPictureControl&>(widget).frameWidth();
        const CBitmapResource* art = FindBitmapResource(control.nBitmapId);
        const QSize size = art != nullptr ? QSize(art->nWidth, art->nHeight) : QSize(0, 0);
        return size + QSize(2 * border, 2 * border);
    }
    return {};
}

// A control's place in pixels. A picture takes its own size: at the
// top-left of its rectangle, or centred in it to the nearest pixel so that
// it stays in the middle of its place whatever the font; a drawn frame is
// always centred so.
QRect Place(const CDialogUnits& units, const CDialogControl& control, const QSize& picture)
{
    QRect place = units.ToPixels(ToRect(control));
    if (!picture.isValid())
        return place;
    if (control.bCentreImage || control.kind == DialogControlKind::DrawnFrame)
        place.translate((place.width() - picture.width()) / 2, (place.height() - picture.height()) / 2);
    place.setSize(picture);
    return place;
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

    // The font's own units, grown where a caption or a drawn frame's picture
    // would not fit its place: a longer translation or a wider font widens
    // the whole page evenly and keeps its order and grouping. A picture of
    // its own keeps its size whatever the units and leaves them alone.
    std::vector<QSize> pictures;
    std::vector<CDialogRoom> rooms;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const CDialogControl& control = layout.controls[i];
        pictures.push_back(PictureSize(control, *m_ordered[i]));
        if (control.kind == DialogControlKind::DrawnFrame)
            rooms.push_back({ToRect(control), pictures.back()});
        else if (control.kind != DialogControlKind::Picture)
            rooms.push_back({ToRect(control), TextRoom(*m_ordered[i])});
        if (auto* button = qobject_cast<QAbstractButton*>(m_ordered[i]); button && control.pszAltCaption) {
            const QString caption = button->text();
            button->setText(Translated(control.pszAltCaption));
            rooms.push_back({ToRect(control), TextRoom(*button)});
            button->setText(caption);
        }
    }
    m_units = CDialogUnits(font()).Holding(rooms);

    setFixedSize(m_units.ToPixels(0, 0, layout.nWidth, layout.nHeight).size());
    for (std::size_t i = 0; i < layout.controls.size(); ++i)
        m_ordered[i]->setGeometry(Place(m_units, layout.controls[i], pictures[i]));

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
    case DialogControlKind::DrawnFrame:
        return new CPictureControl(true, this);
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
    QAbstractButton* button = Button(id);
    if (button == nullptr || it == m_layout.controls.end() || it->pszAltCaption == nullptr)
        return;
    button->setText(Translated(alt ? it->pszAltCaption : it->pszCaption));
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
    delete old;
}
