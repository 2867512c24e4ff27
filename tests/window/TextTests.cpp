// Every text the window shows goes through the translation mechanism, and
// every picture has a name for screen readers.
#include "WindowFixture.h"

#include "app/MeasurementsPanel.h"

#include "app/CircuitChooser.h"
#include "res/CircuitCatalogue.h"
#include "view/PictureControl.h"

#include <QAccessible>
#include <QAction>
#include <QChart>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

namespace {

// Marks every text it is asked for, so a text that bypasses translation
// shows up unmarked.
class CMarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
};

bool Marked(const QString& text)
{
    return text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>'));
}

void CollectMenuTexts(const QMenu& menu, QStringList& texts)
{
    texts << menu.title();
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu() != nullptr)
            CollectMenuTexts(*action->menu(), texts);
        else
            texts << action->text();
    }
}

}

class Translation : public WindowTest {
protected:
    void SetUp() override
    {
        QCoreApplication::installTranslator(&m_translator);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&m_translator);
    }

    CMarkingTranslator m_translator;
};

TEST_F(Translation, EveryMenuBarAndTitleTextIsLookedUp)
{
    QStringList texts;
    for (const QAction* action : m_frame->menuBar()->actions())
        CollectMenuTexts(*action->menu(), texts);
    // Five menus, two submenus, fourteen circuits and the 33 other items.
    EXPECT_EQ(texts.size(), 5 + 2 + 14 + 33);
    for (CDialogBar* bar : {m_frame->ControlsBar(), m_frame->DisplayBar()}) {
        for (const QAbstractButton* button : bar->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* box : bar->findChildren<QGroupBox*>())
            texts << box->title();
        for (const QLabel* label : bar->findChildren<QLabel*>())
            texts << label->text();
    }
    for (const QAction* action : m_frame->Chooser()->actions())
        if (!action->isSeparator())
            texts << action->text();
    CMeasurementsPanel& panel = *m_frame->Measurements();
    panel.Refresh(true);
    for (const QLabel* label : panel.findChildren<QLabel*>())
        if (label != panel.LoadRows()[0].value)   // a number
            texts << label->text();
    texts << panel.CopyButton()->text();
    for (const QAbstractAxis* axis : panel.Chart()->axes())
        texts << axis->titleText();
    for (const QAbstractSeries* series : panel.Chart()->series())
        texts << series->name();
    for (const QString& text : texts)
        EXPECT_TRUE(Marked(text)) << text.toStdString();
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("<Tarrowin> - <Single Bulb>"));
}

TEST_F(WindowTest, ChooserButtonsAndPicturesHaveNamesForScreenReaders)
{
    Show();
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        QAction* action = m_frame->Chooser()->Action(entry.nCommandId);
        auto* button = qobject_cast<QToolButton*>(m_frame->Chooser()->widgetForAction(action));
        ASSERT_NE(button, nullptr) << entry.pszMenuCaption;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(entry.pszMenuCaption));
    }
    EXPECT_EQ(Controls().Control(CmdId::CellsPicture)->accessibleName(), QStringLiteral("No. of Power Cells"));
    EXPECT_EQ(m_frame->DisplayBar()->Control(CmdId::MeterFrame)->accessibleName(),
              QStringLiteral("Current at Power Supply"));
    bool keyNamed = false;
    for (const CPictureControl* picture : m_frame->DisplayBar()->findChildren<CPictureControl*>())
        keyNamed = keyNamed || picture->accessibleName() == QStringLiteral("Electron Key");
    EXPECT_TRUE(keyNamed);
    EXPECT_EQ(View().accessibleName(), QStringLiteral("Single Bulb"));
}
