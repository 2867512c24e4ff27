// The measurements panel: hidden at start, shown from the View menu's key,
// following the rates, standing still while paused, copying its data, and
// starting again with another circuit.
#include "WindowFixture.h"

#include "app/CompareWindow.h"
#include "app/MeasurementsPanel.h"

#include <QAction>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

#include <atomic>
#include <chrono>
#include <thread>

class Measurements : public WindowTest {
protected:
    CMeasurementsPanel& Panel() { return *m_frame->Measurements(); }
    QLineSeries* Series(int i) { return static_cast<QLineSeries*>(Panel().Chart()->series().at(i)); }
    // The numbers along the graph's left or right edge, as drawn.
    QStringList AxisLabels(bool right)
    {
        Settle();
        const QRectF plot = Panel().Chart()->plotArea();
        QStringList labels;
        for (const QGraphicsItem* item : Panel().Chart()->scene()->items())
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible()) {
                bool number = false;
                QLocale().toDouble(text->toPlainText(), &number);
                const QPointF at = text->sceneBoundingRect().center();
                if (number && at.y() < plot.bottom() + 3 && (right ? at.x() > plot.right() : at.x() < plot.left()))
                    labels << text->toPlainText();
            }
        return labels;
    }
    // Once measured, the long run as the panel words it: for the current and
    // each load the mean, then after "+/-" the interval's half-width, each to
    // the two places shown.
    void ExpectLongRunShown()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return Panel().LongRun().has_value(); }, 30000));
        const auto shows = [](const QLabel* label, const CEstimate& estimate) {
            static const QRegularExpression kInterval(QStringLiteral("(-?[0-9.,]+) \\+/- ([0-9.,]+)"));
            const QRegularExpressionMatch figures = kInterval.match(label->text());
            EXPECT_NEAR(QLocale().toDouble(figures.captured(1)), estimate.mean, 0.0051) << label->text().toStdString();
            EXPECT_NEAR(QLocale().toDouble(figures.captured(2)), estimate.half, 0.0051) << label->text().toStdString();
        };
        shows(Panel().CurrentLongRun(), Panel().LongRun()->current);
        for (std::size_t i = 0; i < Panel().LoadRows().size(); ++i)
            shows(Panel().LoadRows()[i].longRun, Panel().LongRun()->loads.at(i));
    }
};

TEST_F(Measurements, ShowFollowStandStillWhilePausedCopyAndRestartWithTheCircuit)
{
    ShowActive();
    QDockWidget* dock = m_frame->MeasurementsDock();
    EXPECT_TRUE(dock->isHidden());
    const int displayHeight = m_frame->DisplayDock()->height();
    Tick();
    Press(Qt::Key_G);
    Settle();
    ASSERT_FALSE(dock->isHidden());
    EXPECT_TRUE(m_frame->MenuAction(CmdId::ViewMeasurements)->isChecked());
    EXPECT_LT(m_frame->DisplayDock()->height(), displayHeight);   // the bar's own height, the rest below
    EXPECT_GE(m_frame->DisplayDock()->height(), m_frame->DisplayBar()->height());

    Tick(600);
    const CCircuitRates& rates = m_doc->Rates();
    ASSERT_EQ(Panel().LoadRows().size(), 1u);
    EXPECT_EQ(Panel().LoadRows()[0].name->text(), "light bulb");
    // The long run, measured beside the class as soon as the panel shows.
    ASSERT_NO_FATAL_FAILURE(ExpectLongRunShown());
    EXPECT_GT(Panel().LongRun()->current.Low(), 0.5);

    // Paused, the panel shows all there is and the timer's ticks change
    // nothing; a step moves everything on.
    Press(Qt::Key_Space);
    EXPECT_TRUE(Panel().CurrentValue()->text().startsWith(QLocale().toString(rates.Current(), 'f', 2)));
    EXPECT_EQ(Panel().LoadRows()[0].bar->value() > 0, rates.LoadRate(0) > 0);
    ASSERT_EQ(Panel().Chart()->series().size(), 2);
    EXPECT_EQ(Series(0)->count(), static_cast<int>(rates.History().size()));
    EXPECT_EQ(Series(1)->points().back().y(), rates.History().back().loads[0]);
    const long long ticks = rates.Ticks();
    const QList<QPointF> points = Series(0)->points();
    Tick(30);
    EXPECT_EQ(rates.Ticks(), ticks);
    EXPECT_EQ(Series(0)->points(), points);
    Press(Qt::Key_Period, 4);
    EXPECT_EQ(rates.Ticks(), ticks + 5);
    EXPECT_TRUE(Panel().CurrentValue()->text().startsWith(QLocale().toString(rates.Current(), 'f', 2)));
    EXPECT_GT(Series(0)->points().back().x(), points.back().x());

    QTest::mouseClick(Panel().CopyButton(), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(rates.History().size()) + 1);
    EXPECT_EQ(lines[0], "time (s),current (electrons per second),light bulb (energy per second)");
    EXPECT_TRUE(View().hasFocus());   // the click leaves the keys with the animation

    // Another circuit, still paused: its three bulbs, a graph from 0 whose
    // axes, now short, still tell every mark apart, and its long run measured anew.
    m_frame->OnCommand(CmdId::ThreeBulbs);
    EXPECT_TRUE(Panel().IsMeasuringLongRun() && !Panel().LongRun());
    ASSERT_EQ(Panel().LoadRows().size(), 3u);
    EXPECT_EQ(Panel().LoadRows()[2].name->text(), "light bulb 3");
    EXPECT_EQ(Panel().Chart()->series().size(), 4);
    EXPECT_EQ(Series(0)->count(), 1);
    for (const bool right : {false, true}) {
        const QStringList labels = AxisLabels(right);
        EXPECT_GE(labels.size(), 3);
        EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()) << labels.join(' ').toStdString();
    }

    // Running on, the bars share one scale, the highest rate in the graph.
    Press(Qt::Key_Space);
    Tick(900);
    Panel().Refresh(true);
    double top = 0.0;
    for (const CCircuitRates::CPoint& point : rates.History())
        top = std::max({top, point.loads[0], point.loads[1], point.loads[2]});
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(Panel().LoadRows()[i].bar->value(), rates.LoadRate(i) / top * Panel().LoadRows()[i].bar->maximum(),
                    1);
    ExpectLongRunShown();
}

// Compare Circuits from the View menu, with each worker held after it reports
// a run, before it counts the run finished (as on a busy machine): a set
// cancelled while a result is on its way stays cancelled; another runs to its
// end beside the live circuit, and the window ends finished, with the ideal
// circuit's ratio beside each bar of equal bulbs, and copies its figures.
TEST_F(Measurements, CompareCircuitsRunsASetCancelsOneAndCopies)
{
    Show();
    Tick();
    m_frame->OnCommand(CmdId::CompareCircuits);
    CCompareWindow& compare = *m_frame->Compare();
    ASSERT_TRUE(compare.isVisible());
    std::atomic<int> reported{0};
    compare.Queue().SetAfterReport([&reported] {
        ++reported;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    compare.SetChooser()->setCurrentIndex(static_cast<int>(CompareSets::Set::AllCircuits));
    QTest::mouseClick(compare.MeasureButton(), Qt::LeftButton);
    EXPECT_TRUE(compare.IsMeasuring() && compare.CancelButton()->isEnabled() && !compare.MeasureButton()->isEnabled());
    EXPECT_EQ(compare.Runs().size(), 42u);
    for (int waited = 0; waited < 60000 && reported == 0; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));   // no events: the report stays on its way
    ASSERT_GT(reported, 0) << "no run reported within 60 s";
    compare.CancelButton()->click();
    const QString cancelled = compare.StateLine()->text();
    QTest::qWait(100);   // the late report arrives, and changes nothing
    EXPECT_EQ(compare.StateLine()->text(), cancelled);
    EXPECT_TRUE(cancelled.startsWith(QStringLiteral("Cancelled: 0 of 42"))) << cancelled.toStdString();
    EXPECT_FALSE(compare.IsMeasuring() || compare.CancelButton()->isEnabled() || !compare.MeasureButton()->isEnabled());

    compare.SetChooser()->setCurrentIndex(static_cast<int>(CompareSets::Set::SingleSeriesParallel));
    QTest::mouseClick(compare.MeasureButton(), Qt::LeftButton);
    const std::string live = TickState();
    Tick(50);   // the class goes on meanwhile
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return compare.StateLine()->text().contains(QStringLiteral(" measured in ")); }, 60000))
        << compare.StateLine()->text().toStdString();
    EXPECT_TRUE(compare.StateLine()->text().startsWith(QStringLiteral("4 runs of 10 minutes")));
    EXPECT_EQ(compare.Progress()->value(), 1000);
    EXPECT_TRUE(compare.MeasureButton()->isEnabled() && compare.SetChooser()->isEnabled());
    EXPECT_FALSE(compare.CancelButton()->isEnabled());
    const auto& bars = compare.Chart().Bars();
    ASSERT_EQ(bars.size(), 4u);
    for (const auto& bar : bars)
        ASSERT_TRUE(bar.value && bar.value->Low() > 0.0 && bar.ratio && bar.idealRatio);
    EXPECT_LT(*bars[1].ratio, *bars[2].ratio);   // series carries less than parallel
    EXPECT_DOUBLE_EQ(*bars[0].ratio, 1.0);
    QTest::mouseClick(compare.CopyButton(), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Two Bulbs in Series,1 cell,"))) << lines[2].toStdString();
    EXPECT_NE(live, TickState());
}
