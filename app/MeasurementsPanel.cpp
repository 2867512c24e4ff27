#include "app/MeasurementsPanel.h"

#include "document/CircuitRates.h"
#include "sim/ComponentLabel.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
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
// While running the panel is drawn about twice a second: numbers changing
// faster cannot be read, and a few points more are hard to see sooner.
constexpr long long kTicksPerGraph = 30;
constexpr double kTimeTick = 5.0;

QString Number(double value)
{
    return QLocale().toString(value, 'f', 2);
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

CMeasurementsPanel::CMeasurementsPanel(const CCircuitRates& rates, QWidget* parent) : QWidget(parent), m_rates(rates)
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
    layout->addWidget(heading(QT_TRANSLATE_NOOP("Measurements", "current at power supply")));
    m_currentValue = new QLabel(this);
    m_currentValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_currentValue->setWordWrap(true);
    layout->addWidget(m_currentValue);
    layout->addWidget(heading(QT_TRANSLATE_NOOP("Measurements", "energy per second")));
    m_loadGrid = new QGridLayout;
    m_loadGrid->setColumnStretch(2, 1);
    layout->addLayout(m_loadGrid);

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
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
    m_axisCurrent->setLabelFormat(QStringLiteral("%.1f"));
    m_axisEnergy = new QValueAxis(m_chart);
    m_axisEnergy->setTitleText(Text(QT_TRANSLATE_NOOP("Measurements", "energy per second")));
    // Nice numbers step by halves on a small range: whole numbers would repeat.
    m_axisEnergy->setLabelFormat(QStringLiteral("%.1f"));
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
            axis->setTitleVisible(QFontMetricsF(axis->titleFont()).horizontalAdvance(axis->titleText()) <= plot.height());
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
}

int CMeasurementsPanel::heightForWidth(int width) const
{
    // The graph at its least: it takes whatever more there is.
    return layout()->minimumHeightForWidth(width);
}

void CMeasurementsPanel::Refresh(bool now)
{
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
    CLoadRow row{new QLabel(name, this), new QLabel(this), new QProgressBar(this)};
    row.name->setWordWrap(true);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.bar->setRange(0, kBarSteps);
    row.bar->setTextVisible(false);
    // The style asks for a wide bar; the panel is as narrow as the display bar.
    row.bar->setMinimumWidth(4 * fontMetrics().averageCharWidth());
    row.bar->setAccessibleName(name);
    QPalette palette = row.bar->palette();
    palette.setColor(QPalette::Highlight, colour);
    row.bar->setPalette(palette);
    const int r = static_cast<int>(m_rows.size());
    m_loadGrid->addWidget(row.name, r, 0);
    m_loadGrid->addWidget(row.value, r, 1);
    m_loadGrid->addWidget(row.bar, r, 2);
    m_rows.push_back(row);
}

void CMeasurementsPanel::RemoveLoadRows()
{
    for (const CLoadRow& row : m_rows) {
        delete row.name;
        delete row.value;
        delete row.bar;
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
    m_currentValue->setText(Text(QT_TRANSLATE_NOOP("Measurements", "%1 electrons per second")).arg(Number(m_rates.Current())));
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
    std::vector<std::string> header{Text(QT_TRANSLATE_NOOP("Measurements", "time (s)")).toStdString(),
                                    Text(QT_TRANSLATE_NOOP("Measurements", "current (electrons per second)")).toStdString()};
    for (std::size_t i = 0; i < m_rates.LoadCount(); ++i)
        header.push_back(Text(QT_TRANSLATE_NOOP("Measurements", "%1 (energy per second)")).arg(QString::fromStdString(TranslatedText(kLabelContext, m_rates.LoadName(i)))).toStdString());
    return QString::fromStdString(m_rates.Csv(header));
}

void CMeasurementsPanel::CopyData()
{
    QGuiApplication::clipboard()->setText(CsvText());
}
