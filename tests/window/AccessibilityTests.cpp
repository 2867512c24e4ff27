// What a screen reader hears, through Qt's accessibility interfaces.
#include "WindowFixture.h"

#include "core/pictures/MeterDial.h"
#include "view/PictureControl.h"

#include <QAccessible>
#include <QElapsedTimer>

#include <cmath>

class ScreenReader : public WindowTest {
protected:
    QString Heard(int ticks)
    {
        Tick(ticks);
        View().Describe();
        return QAccessible::queryAccessibleInterface(&View())->text(QAccessible::Description);
    }
    QAccessibleInterface* Meter()
    {
        return QAccessible::queryAccessibleInterface(m_frame->DisplayBar()->Picture(CmdId::MeterFrame));
    }
};

TEST_F(ScreenReader, HearsCircuitSupplyMeterAndBulbsAsTheyChange)
{
    Show();
    Tick(1);   // past the logo
    QString heard = Heard(600);
    const long marks = std::lround(MeterDial::ReadingInMarks(View().Meter().LastReading()));
    ASSERT_GT(marks, 0);
    EXPECT_EQ(heard.toStdString(),
              QStringLiteral("Single Bulb. 1 cell, the right way round. current: about %1 of 10, to the right. "
                             "light bulb: bright.")
                  .arg(marks)
                  .toStdString());
    ASSERT_NE(Meter()->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(Meter()->valueInterface()->currentValue().toDouble(),
                     MeterDial::ReadingInMarks(View().Meter().LastReading()));
    EXPECT_EQ(Meter()->valueInterface()->minimumValue().toDouble(), -10.0);
    EXPECT_EQ(Meter()->text(QAccessible::Description),
              QStringLiteral("current: about %1 of 10, to the right").arg(marks));

    m_frame->OnCommand(CmdId::SwitchPolarity);
    EXPECT_TRUE(Heard(900).contains(QStringLiteral("1 cell, turned round. current: about")));
    EXPECT_TRUE(Heard(0).contains(QStringLiteral(", to the left.")));
    EXPECT_LT(Meter()->valueInterface()->currentValue().toDouble(), -0.5);
    m_frame->OnCommand(CmdId::Cells2);
    EXPECT_TRUE(Heard(1).contains(QStringLiteral(". 2 cells, turned round.")));
    m_frame->OnCommand(CmdId::Cells0);
    EXPECT_TRUE(Heard(1).contains(QStringLiteral("no cells.")) &&
                Heard(0).endsWith(QStringLiteral("light bulb: off.")));

    m_frame->OnCommand(CmdId::ThreeBulbs);
    m_frame->OnCommand(CmdId::Cells3);
    EXPECT_TRUE(Heard(900).endsWith(QStringLiteral("light bulb 1: bright; light bulb 2: dim; light bulb 3: dim.")));

    m_frame->OnCommand(CmdId::BulbSwitch);
    EXPECT_TRUE(Heard(600).contains(QStringLiteral("switch closed.")) &&
                Heard(0).endsWith(QStringLiteral("light bulb: bright.")));
    m_frame->OnCommand(CmdId::SwitchOff);
    EXPECT_TRUE(Heard(1).contains(QStringLiteral("switch open.")));
    EXPECT_TRUE(Heard(4 * CCircuitDescriber::kGlowMemoryTicks).endsWith(QStringLiteral("light bulb: off.")));

    m_frame->OnCommand(CmdId::BulbVariableResistor);
    for (int i = 0; i < 3; ++i)
        m_frame->OnCommand(CmdId::ResistanceUp);
    EXPECT_TRUE(Heard(600).contains(QStringLiteral("variable resistor: 3 of 14.")));
    for (int i = 0; i < 20; ++i)
        m_frame->OnCommand(CmdId::ResistanceUp);
    EXPECT_TRUE(Heard(900).contains(QStringLiteral("variable resistor: 14 of 14.")));
    EXPECT_TRUE(Heard(0).endsWith(QStringLiteral("light bulb: faint.")));
}

// The words follow a change within a second, but not sooner than a second
// after they were last told.
TEST_F(ScreenReader, WordsChangeAtMostOnceASecond)
{
    Show();
    Tick(1);
    Heard(300);
    QElapsedTimer clock;
    clock.start();
    m_frame->OnCommand(CmdId::Cells2);
    Tick(30);
    QCoreApplication::processEvents();
    EXPECT_TRUE(View().accessibleDescription().contains(QStringLiteral("1 cell,")));
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return View().accessibleDescription().contains(QStringLiteral("2 cells,")); }, 2000));
    EXPECT_GE(clock.elapsed(), CTarrowinView::kDescribeMs - 50);
}

// A screen reader's press and toggle reach the circuit as a click does, and
// the bar's buttons say what they do.
TEST_F(ScreenReader, ActionsOnTheBarsSendTheirCommands)
{
    Show();
    const auto act = [this](int id, const QString& action) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Controls().Control(id));
        control->actionInterface()->doAction(action);
        return control;
    };
    EXPECT_EQ(act(CmdId::Cells2, QAccessibleActionInterface::toggleAction())->text(QAccessible::Name),
              QStringLiteral("2 cells"));
    EXPECT_EQ(Circuit().GetCells(), 2);
    // A press is an animated click, over in a moment.
    act(CmdId::Cells3, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Circuit().GetCells() == 3; }, 1000));
    act(CmdId::ShowLabels, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Circuit().GetShowLabels() && Controls().Button(CmdId::ShowLabels)->isChecked());
    act(CmdId::ShowLabels, QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(Circuit().GetShowLabels() || Controls().Button(CmdId::ShowLabels)->isChecked());
    act(CmdId::SwitchPolarity, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Circuit().IsReversed(); }, 1000));
}
