#include "app/DialogBar.h"

#include "platform/DialogUnits.h"
#include "platform/Resources.h"
#include "view/PictureControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

QString Translated(const char* text)
{
    return QCoreApplication::translate(kDialogBarContext, text);
}

}

CDialogBar::CDialogBar(const CDialogLayout& layout, CommandHandler onCommand, QWidget* parent)
    : QWidget(parent), m_nLayoutId(layout.nId), m_onCommand(std::move(onCommand))
{
    setFont(DialogFont(layout.pszFontFace, layout.nPointSize));
    const CDialogUnits units(font());
    const QRect bounds = units.ToPixels(0, 0, layout.nWidth, layout.nHeight);
    setFixedSize(bounds.size());

    for (const CDialogControl& control : layout.controls) {
        QWidget* widget = CreateControl(control);
        QRect place = units.ToPixels(control.x, control.y, control.w, control.h);
        if (control.kind == DialogControlKind::Picture) {
            // A picture control shows its bitmap whole, whatever its layout size;
            // centred, it stays in the middle of its rectangle whatever the font.
            const QImage& image = static_cast<CPictureControl*>(widget)->Image();
            const QSize size = image.deviceIndependentSize().toSize();
            const QPoint centre = place.center();
            place.setSize(size);
            if (control.bCentreImage)
                place.moveCenter(centre);
        }
        widget->setGeometry(place);
        if (control.bDisabled)
            widget->setEnabled(false);
        if (control.pszAccessibleName != nullptr)
            widget->setAccessibleName(Translated(control.pszAccessibleName));
        if (control.nId != -1)
            m_controls[control.nId] = widget;
        m_ordered.push_back(widget);
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
        QObject::connect(button, &QAbstractButton::clicked, this, [this, id = control.nId] { m_onCommand(id); });
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
        QObject::connect(box, &QAbstractButton::clicked, this, [this, id = control.nId] { m_onCommand(id); });
        return box;
    }
    case DialogControlKind::GroupBox:
    case DialogControlKind::Text:
    case DialogControlKind::BlackFrame: {
        QWidget* widget = nullptr;
        if (control.kind == DialogControlKind::GroupBox) {
            widget = new QGroupBox(caption, this);
        } else if (control.kind == DialogControlKind::Text) {
            widget = new QLabel(caption, this);
            static_cast<QLabel*>(widget)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
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
        QImage image = LoadResourceImage(control.nBitmapId, devicePixelRatioF());
        image.setDevicePixelRatio(devicePixelRatioF());
        picture->SetImage(image);
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

void CDialogBar::SetChecked(int id, bool checked)
{
    if (QAbstractButton* button = Button(id))
        button->setChecked(checked);
}

void CDialogBar::SetEnabled(int id, bool enabled)
{
    if (QWidget* control = Control(id))
        control->setEnabled(enabled);
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
