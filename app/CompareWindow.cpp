#include "app/CompareWindow.h"

#include "app/PictureSaver.h"
#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/res/CircuitCatalogue.h"
#include "core/res/CommandIds.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace {

QString Text(const char* text)
{
    return QCoreApplication::translate("Compare", text);
}

// The ready-made sets in the chooser's order; the last entry is the free choice.
constexpr std::array kSetNames{
    QT_TRANSLATE_NOOP("Compare", "Single, series and parallel bulbs"),
    QT_TRANSLATE_NOOP("Compare", "0 to 3 cells"),
    QT_TRANSLATE_NOOP("Compare", "The variable resistor's 15 settings"),
    QT_TRANSLATE_NOOP("Compare", "Bulb against resistor"),
    QT_TRANSLATE_NOOP("Compare", "The switches open and closed"),
    QT_TRANSLATE_NOOP("Compare", "All fourteen circuits with 1 to 3 cells"),
};
static_assert(kSetNames.size() == CompareSets::kSetCount);

QString CircuitName(int id)
{
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        if (entry.nCommandId == id)
            return QCoreApplication::translate(kCircuitContext, entry.pszMenuCaption);
    return {};
}

// What sets the run apart: its cells, an open switch, the resistor's setting.
QString Settings(const CMeasureSetup& setup)
{
    QStringList parts;
    parts << (setup.nCells == 1 ? Text(QT_TRANSLATE_NOOP("Compare", "1 cell"))
                                : Text(QT_TRANSLATE_NOOP("Compare", "%1 cells")).arg(setup.nCells));
    if (setup.bSwitchOpen)
        parts << Text(QT_TRANSLATE_NOOP("Compare", "switch open"));
    if (setup.resistorWall)
        parts << Text(QT_TRANSLATE_NOOP("Compare", "resistance %1 of %2"))
                     .arg(CBulbVariableResistorCircuit::StepOfWall(*setup.resistorWall))
                     .arg(CBulbVariableResistorCircuit::kResistanceSteps);
    return parts.join(QStringLiteral(", "));
}

QString Field(QString text)
{
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

QString Figure(double value)
{
    return QString::number(value, 'f', 4);
}

}

CCompareWindow::CCompareWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_queue(std::max(2u, std::thread::hardware_concurrency()))
{
    setObjectName(QStringLiteral("Compare"));
    setWindowTitle(Text(QT_TRANSLATE_NOOP("Compare", "Compare Circuits")));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    m_pSet = new QComboBox(this);
    for (const char* name : kSetNames)
        m_pSet->addItem(Text(name));
    m_pSet->addItem(Text(QT_TRANSLATE_NOOP("Compare", "Your choice of circuits and cells")));
    auto* setLabel = new QLabel(Text(QT_TRANSLATE_NOOP("Compare", "&Compare:")), this);
    setLabel->setBuddy(m_pSet);
    top->addWidget(setLabel);
    top->addWidget(m_pSet, 1);
    m_pMeasure = new QPushButton(Text(QT_TRANSLATE_NOOP("Compare", "&Measure")), this);
    m_pCancel = new QPushButton(Text(QT_TRANSLATE_NOOP("Compare", "Cancel")), this);
    top->addWidget(m_pMeasure);
    top->addWidget(m_pCancel);
    layout->addLayout(top);

    // The free choice: circuits in two columns, then the cells.
    m_pChoice = new QWidget(this);
    auto* grid = new QGridLayout(m_pChoice);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        auto* box = new QCheckBox(CircuitName(entry.nCommandId), m_pChoice);
        box->setChecked(entry.nCommandId == CmdId::SingleBulb);
        grid->addWidget(box, row % 7, row / 7);
        m_circuitBoxes.emplace_back(entry.nCommandId, box);
        ++row;
    }
    auto* cells = new QHBoxLayout;
    for (int n = 0; n <= 3; ++n) {
        auto* box = new QCheckBox(n == 1 ? Text(QT_TRANSLATE_NOOP("Compare", "1 cell"))
                                         : Text(QT_TRANSLATE_NOOP("Compare", "%1 cells")).arg(n), m_pChoice);
        box->setChecked(n == 1);
        cells->addWidget(box);
        m_cellBoxes.push_back(box);
    }
    cells->addStretch(1);
    grid->addLayout(cells, 7, 0, 1, 2);
    layout->addWidget(m_pChoice);
    m_pChoice->hide();

    auto* progress = new QHBoxLayout;
    m_pProgress = new QProgressBar(this);
    m_pProgress->setRange(0, 1000);
    m_pProgress->setTextVisible(false);
    m_pProgress->setAccessibleName(Text(QT_TRANSLATE_NOOP("Compare", "Measuring")));
    m_pState = new QLabel(this);
    m_pState->setWordWrap(true);
    progress->addWidget(m_pProgress, 1);
    progress->addWidget(m_pState, 2);
    layout->addLayout(progress);

    m_pChart = new CCompareChart(this);
    layout->addWidget(m_pChart, 1);

    auto* bottom = new QHBoxLayout;
    m_pCopy = new QPushButton(Text(QT_TRANSLATE_NOOP("Compare", "Copy &data")), this);
    m_pSave = new QPushButton(Text(QT_TRANSLATE_NOOP("Compare", "&Save Picture...")), this);
    bottom->addWidget(m_pCopy);
    bottom->addWidget(m_pSave);
    bottom->addStretch(1);
    layout->addLayout(bottom);

    connect(m_pSet, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pChoice->setVisible(index == static_cast<int>(CompareSets::kSetCount)); });
    connect(m_pMeasure, &QPushButton::clicked, this, [this] { Measure(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(m_pCopy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(CsvText()); });
    connect(m_pSave, &QPushButton::clicked, this, [this] { SaveChart(); });
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, [this] { ShowState(); });
    resize(900, 600);
    ShowState();
}

CCompareWindow::~CCompareWindow()
{
    m_queue.Cancel();   // no worker may report to a window that is gone
}

std::vector<CMeasureSetup> CCompareWindow::ChosenRuns() const
{
    const int index = m_pSet->currentIndex();
    if (index < static_cast<int>(CompareSets::kSetCount))
        return CompareSets::Runs(static_cast<CompareSets::Set>(index));
    std::vector<int> circuits, cells;
    for (const auto& [id, box] : m_circuitBoxes)
        if (box->isChecked())
            circuits.push_back(id);
    for (std::size_t n = 0; n < m_cellBoxes.size(); ++n)
        if (m_cellBoxes[n]->isChecked())
            cells.push_back(static_cast<int>(n));
    return CompareSets::Chosen(circuits, cells);
}

void CCompareWindow::Measure()
{
    m_runs = ChosenRuns();
    m_nShown = m_runs.size();
    // The references the ideal currents are multiples of, measured too.
    for (std::size_t i = 0; i < m_nShown; ++i)
        if (const auto ideal = CompareSets::Ideal(m_runs[i]);
            ideal && std::find(m_runs.begin(), m_runs.end(), ideal->reference) == m_runs.end())
            m_runs.push_back(ideal->reference);
    m_results.assign(m_runs.size(), std::nullopt);
    std::vector<CMeasurementQueue::CJob> jobs;
    for (const CMeasureSetup& setup : m_runs)
        jobs.push_back({setup, CMeasurement::kLongRunSeconds, 1});
    m_nTookMs = -1;
    m_clock.start();
    QPointer<CCompareWindow> self(this);
    m_nStart = m_queue.Start(std::move(jobs), [self](int start, std::size_t job, const CMeasureResult& result) {
        // On the worker's thread: handed to the window's.
        QMetaObject::invokeMethod(self, [self, start, job, result] {
            if (self)
                self->Done(start, job, result);
        }, Qt::QueuedConnection);
    });
    m_progressTimer.start();
    ShowBars();
    ShowState();
}

void CCompareWindow::Cancel()
{
    m_queue.Cancel();
    m_progressTimer.stop();
    ShowState();
}

void CCompareWindow::Done(int start, std::size_t job, const CMeasureResult& result)
{
    if (start != m_nStart || job >= m_results.size())
        return;   // a cancelled start's late result
    m_results[job] = result;
    if (std::all_of(m_results.begin(), m_results.end(), [](const auto& r) { return r.has_value(); })) {
        m_nTookMs = m_clock.elapsed();
        m_progressTimer.stop();
    }
    ShowBars();
    ShowState();
}

void CCompareWindow::ShowBars()
{
    std::vector<CCompareChart::CBar> bars;
    for (std::size_t i = 0; i < m_nShown; ++i) {
        CCompareChart::CBar bar;
        bar.label = CircuitName(m_runs[i].nCircuitId) + QLatin1Char('\n') + Settings(m_runs[i]);
        if (m_results[i])
            bar.value = m_results[i]->current;
        if (const auto ideal = CompareSets::Ideal(m_runs[i])) {
            const auto ref = std::find(m_runs.begin(), m_runs.end(), ideal->reference) - m_runs.begin();
            if (const auto& reference = m_results[static_cast<std::size_t>(ref)];
                reference && reference->current.mean > 0) {
                bar.ideal = ideal->ratio * reference->current.mean;
                bar.idealRatio = ideal->ratio;
                if (bar.value)
                    bar.ratio = bar.value->mean / reference->current.mean;
            }
        }
        bars.push_back(bar);
    }
    m_pChart->SetBars(std::move(bars));
}

void CCompareWindow::ShowState()
{
    const bool running = m_queue.Running();
    m_pMeasure->setEnabled(!running);
    m_pCancel->setEnabled(running);
    m_pSet->setEnabled(!running);
    m_pChoice->setEnabled(!running);
    m_pProgress->setValue(static_cast<int>(std::lround(m_queue.Progress() * 1000)));
    const std::size_t measured =
        static_cast<std::size_t>(std::count_if(m_results.begin(), m_results.end(), [](const auto& r) { return r.has_value(); }));
    if (running)
        m_pState->setText(Text(QT_TRANSLATE_NOOP("Compare", "Measuring 10 minutes of each circuit: %1 of %2 done"))
                              .arg(measured).arg(m_runs.size()));
    else if (m_nTookMs >= 0)
        m_pState->setText(Text(QT_TRANSLATE_NOOP("Compare", "%1 runs of 10 minutes measured in %2 s"))
                              .arg(m_runs.size()).arg(QLocale().toString(m_nTookMs / 1000.0, 'f', 1)));
    else if (!m_runs.empty())
        m_pState->setText(Text(QT_TRANSLATE_NOOP("Compare", "Cancelled: %1 of %2 measured")).arg(measured).arg(m_runs.size()));
    else
        m_pState->setText(Text(QT_TRANSLATE_NOOP("Compare", "Choose what to compare, then Measure.")));
    m_pCopy->setEnabled(measured > 0);
    m_pSave->setEnabled(measured > 0);
}

QString CCompareWindow::CsvText() const
{
    QStringList header{Text(QT_TRANSLATE_NOOP("Compare", "circuit")), Text(QT_TRANSLATE_NOOP("Compare", "settings")),
                       Text(QT_TRANSLATE_NOOP("Compare", "current (electrons per second)")),
                       Text(QT_TRANSLATE_NOOP("Compare", "low")), Text(QT_TRANSLATE_NOOP("Compare", "high")),
                       Text(QT_TRANSLATE_NOOP("Compare", "times the reference")),
                       Text(QT_TRANSLATE_NOOP("Compare", "ideal times the reference"))};
    for (int load = 1; load <= 3; ++load)
        header << Text(QT_TRANSLATE_NOOP("Compare", "load %1")).arg(load)
               << Text(QT_TRANSLATE_NOOP("Compare", "energy per second")) << Text(QT_TRANSLATE_NOOP("Compare", "low"))
               << Text(QT_TRANSLATE_NOOP("Compare", "high"));
    QStringList lines;
    for (QString& h : header)
        h = Field(h);
    lines << header.join(QLatin1Char(','));
    const auto& bars = m_pChart->Bars();
    for (std::size_t i = 0; i < m_nShown && i < bars.size(); ++i) {
        if (!m_results[i])
            continue;
        const CMeasureResult& r = *m_results[i];
        QStringList row{Field(CircuitName(m_runs[i].nCircuitId)), Field(Settings(m_runs[i])), Figure(r.current.mean),
                        Figure(r.current.Low()), Figure(r.current.High()),
                        bars[i].ratio ? Figure(*bars[i].ratio) : QString(),
                        bars[i].idealRatio ? Figure(*bars[i].idealRatio) : QString()};
        for (std::size_t load = 0; load < r.loads.size(); ++load)
            row << Field(QCoreApplication::translate("Label", r.loadNames[load].c_str())) << Figure(r.loads[load].mean)
                << Figure(r.loads[load].Low()) << Figure(r.loads[load].High());
        lines << row.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CCompareWindow::SaveChart()
{
    const QString path = QFileDialog::getSaveFileName(
        this, Text(QT_TRANSLATE_NOOP("Compare", "Save Picture")),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/compare.png"),
        Text(QT_TRANSLATE_NOOP("Compare", "PNG pictures (*.png)")));
    if (path.isEmpty())
        return;
    // A worksheet's width at print resolution.
    const QString reason = PictureSaver::WritePng(m_pChart->Picture(QSize(1800, 1100)), path);
    if (!reason.isEmpty())
        QMessageBox::warning(this, Text(QT_TRANSLATE_NOOP("Compare", "Save Picture")), PictureSaver::FailureText(path, reason));
}
