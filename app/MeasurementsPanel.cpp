#include "app/MeasurementsPanel.h"

#include "core/measurement/CircuitRates.h"
#include "core/document/TarrowinDoc.h"
#include "core/sim/ComponentLabel.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr const char* kContext = "Measurements";

QString Text(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// From a palette that stays apart for colour-blind eyes: the current in
// blue, the loads in orange, vermilion and bluish green.
const QColor kCurrentColour(0, 114, 178);
const std::array kLoadColours{QColor(230, 159, 0), QColor(213, 94, 0), QColor(0, 158, 115)};

constexpr int kBarSteps = 1000;
// The graph's least height; a load's name on two lines may take from it.
constexpr int kChartHeight = 140;
constexpr int kChartLeast = 100;

// A small square of a line's colour, beside the name it stands for: the
// graph's key, which unlike a legend never cuts a name short.
QFrame* Swatch(const QColor& colour, QWidget* parent)
{
    auto* swatch = new QFrame(parent);
    const int side = swatch->fontMetrics().height() * 2 / 3;
    swatch->setFixedSize(side, side);
    swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid palette(mid);").arg(colour.name()));
    return swatch;
}
// While running the panel is drawn about twice a second: numbers changing
// faster cannot be read, and a few points more are hard to see sooner.
constexpr long long kTicksPerGraph = 30;
constexpr double kTimeTick = 5.0;

QString Number(double value)
{
    return QLocale().toString(value, 'f', 2);
}

QString Interval(const CEstimate& estimate)
{
    return Text(QT_TRANSLATE_NOOP("Measurements", "%1 +/- %2")).arg(Number(estimate.mean), Number(estimate.half));
}

// Fits an axis to the values shown, from 0 or below at least one unit up. It
// changes only when the values leave it or fill less than a third of it:
// every change lays out the axis and its labels again, which costs most.
void FitAxis(QValueAxis* axis, double lo, double hi)
{
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 1.0);
    const double span = axis->max() - axis->min();
    const bool holds = axis->min() <= lo && hi <= axis->max();
    if (holds && (hi - lo) * 3 > span)
        return;
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
}

}

CMeasurementsPanel::CMeasurementsPanel(const CTarrowinDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_rates(doc.Rates())
{
    setObjectName(QStringLiteral("Measurements"));
    auto* layout = new QVBoxLayout(this);

    const auto heading = [this](const char* text) {
        auto* label = new QLabel(Text(text), this);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setWordWrap(true);
        return label;
    };
    auto* currentHeading = new QHBoxLayout;
    currentHeading->addWidget(Swatch(kCurrentColour, this));
    currentHeading->addWidget(heading(QT_TRANSLATE_NOOP("Measurements", "current at power supply")), 1);
    layout->addLayout(currentHeading);
    m_currentValue = new QLabel(this);
    m_currentValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_currentValue->setWordWrap(true);
    layout->addWidget(m_currentValue);
    // The long run: ten minutes of the model, its 95% interval, and how far it has come.
    auto* longRun = new QHBoxLayout;
    m_currentLongRun = new QLabel(this);
    m_currentLongRun->setWordWrap(true);
    m_currentLongRun->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_longRunProgress = new QProgressBar(this);
    m_longRunProgress->setRange(0, 100);
    m_longRunProgress->setTextVisible(false);
    m_longRunProgress->setMaximumWidth(fontMetrics().averageCharWidth() * 8);
    m_longRunProgress->setAccessibleName(Text(QT_TRANSLATE_NOOP("Measurements", "measuring the long run")));
    longRun->addWidget(m_longRunProgress);
    longRun->addWidget(m_currentLongRun, 1);
    layout->addLayout(longRun);
    layout->addWidget(heading(QT_TRANSLATE_NOOP("Measurements", "energy per second")));
    m_loadGrid = new QGridLayout;
    m_loadGrid->setColumnStretch(3, 1);
    layout->addLayout(m_loadGrid);

    m_chart = new QChart;
    // The swatches beside the names are the key.
    m_chart->legend()->hide();
    m_chart->setMargins(QMargins(0, 0, 0, 0));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    m_axisTime = new QValueAxis(m_chart);
    m_axisTime->setTitleText(Text(QT_TRANSLATE_NOOP("Measurements", "time (s)")));
    m_axisTime->setTickType(QValueAxis::TicksDynamic);
    m_axisTime->setTickAnchor(0);
    m_axisTime->setTickInterval(kTimeTick);
    m_axisTime->setLabelFormat(QStringLiteral("%.0f"));
    m_axisCurrent = new QValueAxis(m_chart);
    m_axisCurrent->setTitleText(Text(QT_TRANSLATE_NOOP("Measurements", "electrons per second")));
    // Nice numbers may step by quarters: "%g" shows 0.25 as it is, and 2 as 2.
    m_axisCurrent->setLabelFormat(QStringLiteral("%g"));
    m_axisEnergy = new QValueAxis(m_chart);
    m_axisEnergy->setTitleText(Text(QT_TRANSLATE_NOOP("Measurements", "energy per second")));
    m_axisEnergy->setLabelFormat(QStringLiteral("%g"));
    m_chart->addAxis(m_axisTime, Qt::AlignBottom);
    m_chart->addAxis(m_axisCurrent, Qt::AlignLeft);
    m_chart->addAxis(m_axisEnergy, Qt::AlignRight);
    m_currentSeries = new QLineSeries(m_chart);
    m_currentSeries->setName(Text(QT_TRANSLATE_NOOP("Measurements", "current")));
    m_currentSeries->setPen(QPen(kCurrentColour, 2));
    m_chart->addSeries(m_currentSeries);
    m_currentSeries->attachAxis(m_axisTime);
    m_currentSeries->attachAxis(m_axisCurrent);

    // An axis title longer than the plot is tall would be cut short: then
    // the legend alone names the lines.
    connect(m_chart, &QChart::plotAreaChanged, this, [this](const QRectF& plot) {
        for (QValueAxis* axis : {m_axisCurrent, m_axisEnergy})
            axis->setTitleVisible(QFontMetricsF(axis->titleFont()).horizontalAdvance(axis->titleText()) <=
                                  plot.height());
    });
    m_chartView = new QChartView(m_chart, this);
    m_chartView->setMinimumHeight(kChartHeight);
    layout->addWidget(m_chartView, 1);

    m_copy = new QPushButton(Text(QT_TRANSLATE_NOOP("Measurements", "Copy data")), this);
    connect(m_copy, &QPushButton::clicked, this, [this] { CopyData(); });
    layout->addWidget(m_copy, 0, Qt::AlignLeft);

    // Measured with as many one-line rows as any circuit has.
    for (std::size_t i = 0; i < CCircuitRates::kMaxLoads; ++i)
        AddLoadRow(Text(QT_TRANSLATE_NOOP("Measurements", "current")), kLoadColours[i]);
    m_nLeastHeight = layout->totalMinimumSize().height();
    RemoveLoadRows();
    m_chartView->setMinimumHeight(kChartLeast);
    m_longRunTimer.setInterval(200);
    connect(&m_longRunTimer, &QTimer::timeout, this, [this] { ShowLongRun(); });
    ShowLongRun();
}

int CMeasurementsPanel::heightForWidth(int width) const
{
    // The graph at its least: it takes whatever more there is.
    return layout()->minimumHeightForWidth(width);
}

CMeasurementsPanel::~CMeasurementsPanel()
{
    m_longRunQueue.Cancel();   // no worker may report to a panel that is gone
}

void CMeasurementsPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FollowLongRun();
}

void CMeasurementsPanel::FollowLongRun()
{
    if (!isVisible())
        return;   // measured only while it can be seen
    const CMeasureSetup setup = m_doc.CurrentSetup();
    if (m_longRunSetup == setup)
        return;
    m_longRunSetup = setup;
    m_longRun.reset();
    QPointer<CMeasurementsPanel> self(this);
    m_nLongRunStart = m_longRunQueue.Start({CMeasurementQueue::CJob{setup, CMeasurement::kLongRunSeconds, 1}},
                                           [self](int start, std::size_t, const CMeasureResult& result) {
                                               // On the worker's thread: handed to the panel's.
                                               QMetaObject::invokeMethod(
                                                   self,
                                                   [self, start, result] {
                                                       if (self && start == self->m_nLongRunStart) {
                                                           self->m_longRun = result;
                                                           self->ShowLongRun();
                                                       }
                                                   },
                                                   Qt::QueuedConnection);
                                           });
    m_longRunTimer.start();
    ShowLongRun();
}

void CMeasurementsPanel::ShowLongRun()
{
    const bool running = m_longRunQueue.Running() || (m_longRunSetup && !m_longRun);
    m_longRunProgress->setVisible(running);
    m_longRunProgress->setValue(static_cast<int>(std::lround(m_longRunQueue.Progress() * 100)));
    if (!running)
        m_longRunTimer.stop();
    if (!m_longRun) {
        m_currentLongRun->setText(Text(QT_TRANSLATE_NOOP("Measurements", "long run: measuring 10 minutes...")));
        for (const CLoadRow& row : m_rows)
            row.longRun->clear();
        return;
    }
    m_currentLongRun->setText(Text(QT_TRANSLATE_NOOP("Measurements", "long run (10 minutes): %1 electrons per second"))
                                  .arg(Interval(m_longRun->current)));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const auto named = std::find(m_longRun->loadNames.begin(), m_longRun->loadNames.end(), m_rates.LoadName(i));
        m_rows[i].longRun->setText(
            named == m_longRun->loadNames.end()
                ? QString()
                : Interval(m_longRun->loads[static_cast<std::size_t>(named - m_longRun->loadNames.begin())]));
    }
}

void CMeasurementsPanel::Refresh(bool now)
{
    FollowLongRun();
    if (m_rates.Generation() != m_nGeneration) {
        BuildLoads();
        m_nGeneration = m_rates.Generation();
        m_nTicksShown = -1;
    }
    const long long ticks = m_rates.Ticks();
    if (ticks == m_nTicksShown || (!now && m_nTicksShown >= 0 && ticks - m_nTicksShown < kTicksPerGraph))
        return;
    m_nTicksShown = ticks;
    ShowNumbers(ShowGraph());
}

void CMeasurementsPanel::AddLoadRow(const QString& name, const QColor& colour)
{
    CLoadRow row{Swatch(colour, this), new QLabel(name, this), new QLabel(this), new QProgressBar(this),
                 new QLabel(this)};
    row.name->setWordWrap(true);
    row.longRun->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.bar->setRange(0, kBarSteps);
    row.bar->setTextVisible(false);
    // The style asks for a wide bar; the panel is as narrow as the display bar.
    row.bar->setMinimumWidth(4 * fontMetrics().averageCharWidth());
    row.bar->setAccessibleName(name);
    QPalette palette = row.bar->palette();
    palette.setColor(QPalette::Highlight, colour);
    row.bar->setPalette(palette);
    // Each load on two rows: its key, name, value and bar, then its long run under them.
    const int r = 2 * static_cast<int>(m_rows.size());
    m_loadGrid->addWidget(row.swatch, r, 0);
    m_loadGrid->addWidget(row.name, r, 1);
    m_loadGrid->addWidget(row.value, r, 2);
    m_loadGrid->addWidget(row.bar, r, 3);
    m_loadGrid->addWidget(row.longRun, r + 1, 1, 1, 3);
    m_rows.push_back(row);
}

void CMeasurementsPanel::RemoveLoadRows()
{
    for (const CLoadRow& row : m_rows) {
        delete row.swatch;
        delete row.name;
        delete row.value;
        delete row.bar;
        delete row.longRun;
    }
    m_rows.clear();
}

void CMeasurementsPanel::BuildLoads()
{
    RemoveLoadRows();
    for (QLineSeries* series : m_loadSeries) {
        m_chart->removeSeries(series);
        delete series;
    }
    m_loadSeries.clear();

    for (std::size_t i = 0; i < m_rates.LoadCount(); ++i) {
        const QString name = QString::fromStdString(TranslatedText(kLabelContext, m_rates.LoadName(i)));
        const QColor colour = kLoadColours[i % kLoadColours.size()];
        AddLoadRow(name, colour);

        auto* series = new QLineSeries(m_chart);
        series->setName(name);
        series->setPen(QPen(colour, 2));
        m_chart->addSeries(series);
        series->attachAxis(m_axisTime);
        series->attachAxis(m_axisEnergy);
        m_loadSeries.push_back(series);
    }
}

void CMeasurementsPanel::ShowNumbers(double top)
{
    m_currentValue->setText(
        Text(QT_TRANSLATE_NOOP("Measurements", "%1 electrons per second")).arg(Number(m_rates.Current())));
    // The bars share one scale, the highest rate in the graph, so the
    // brightest bulb has the longest bar and the bars hold still.
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const double rate = m_rates.LoadRate(i);
        m_rows[i].value->setText(Number(rate));
        m_rows[i].bar->setValue(top > 0 ? static_cast<int>(std::lround(rate / top * kBarSteps)) : 0);
    }
}

double CMeasurementsPanel::ShowGraph()
{
    const auto& history = m_rates.History();
    QList<QPointF> current;
    std::vector<QList<QPointF>> loads(m_loadSeries.size());
    current.reserve(static_cast<qsizetype>(history.size()));
    double lo = 0.0, hi = 0.0, top = 0.0;
    for (const CCircuitRates::CPoint& point : history) {
        current.append(QPointF(point.seconds, point.current));
        lo = std::min(lo, point.current);
        hi = std::max(hi, point.current);
        for (std::size_t i = 0; i < loads.size(); ++i) {
            loads[i].append(QPointF(point.seconds, point.loads[i]));
            top = std::max(top, point.loads[i]);
        }
    }
    m_currentSeries->replace(current);
    for (std::size_t i = 0; i < loads.size(); ++i)
        m_loadSeries[i]->replace(loads[i]);
    // The time axis moves on in whole ticks of 5 s, so that its labels are
    // laid out again only then.
    const double end = std::max(std::ceil(m_rates.Seconds() / kTimeTick) * kTimeTick, CCircuitRates::kHistorySeconds);
    m_axisTime->setRange(end - CCircuitRates::kHistorySeconds, end);
    FitAxis(m_axisCurrent, lo, hi);
    FitAxis(m_axisEnergy, 0.0, top);
    return top;
}

QString CMeasurementsPanel::CsvText() const
{
    std::vector<std::string> header{
        Text(QT_TRANSLATE_NOOP("Measurements", "time (s)")).toStdString(),
        Text(QT_TRANSLATE_NOOP("Measurements", "current (electrons per second)")).toStdString()};
    for (std::size_t i = 0; i < m_rates.LoadCount(); ++i)
        header.push_back(Text(QT_TRANSLATE_NOOP("Measurements", "%1 (energy per second)"))
                             .arg(QString::fromStdString(TranslatedText(kLabelContext, m_rates.LoadName(i))))
                             .toStdString());
    return QString::fromStdString(m_rates.Csv(header));
}

void CMeasurementsPanel::CopyData()
{
    QGuiApplication::clipboard()->setText(CsvText());
}
