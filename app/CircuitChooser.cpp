#include "app/CircuitChooser.h"

#include "app/ChooserButtons.h"
#include "platform/Resources.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/ResourceIds.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

namespace {

// Button k of the strip, rendered for both common densities so the icon is
// sharp on ordinary and high-density screens alike.
QIcon ChooserIcon(int index)
{
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        const QImage strip = LoadResourceImageWithAlpha(ResId::ChooserStrip, scale);
        if (strip.isNull())
            continue;
        const int side = static_cast<int>(CCircuitChooser::kButtonSize * scale);
        QPixmap pixmap = QPixmap::fromImage(strip.copy(index * side, 0, side, side));
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}

CCircuitChooser::CCircuitChooser(std::function<void(int id)> onCommand, QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("CircuitChooser"));
    setWindowTitle(QCoreApplication::translate("Menu", "Circuit Chooser"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kButtonSize, kButtonSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The style's own focus mark on a tool button is faint; reached by Tab,
    // a button is to be seen from the back of a classroom.
    setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"
                                 "QToolButton:focus:checked { background: palette(midlight); }"));

    QList<QAction*> items;
    int index = 0;
    int group = 0;
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        if (group != 0 && entry.nGroup != group) {
            items << new QAction(this);
            items.back()->setSeparator(true);
        }
        group = entry.nGroup;
        // The name is the button's text: its tooltip and what a screen reader says.
        auto* action =
            new QAction(ChooserIcon(index++), QCoreApplication::translate(kCircuitContext, entry.pszMenuCaption), this);
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, this, [onCommand, id = entry.nCommandId] { onCommand(id); });
        m_actions[entry.nCommandId] = action;
        items << action;
    }
    m_pButtons = new CChooserButtons(items, iconSize(), this);
    addWidget(m_pButtons);
}

QList<QAction*> CCircuitChooser::Items() const
{
    return m_pButtons->actions();
}

QToolButton* CCircuitChooser::Button(int id) const
{
    return m_pButtons->Button(Action(id));
}

QAction* CCircuitChooser::Action(int id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}
