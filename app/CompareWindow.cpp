#include "app/CompareWindow.h"

#include "app/PictureSaver.h"
#include "core/pictures/CompareChart.h"
#include "core/circuits/CircuitCatalogue.h"
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

}

CCompareWindow::CCompareWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_queue(std::max(2u, std::thread::hardware_concurrency()))
{
    setObjectName(QStringLiteral("Compare"));
    setWindowTitle(Text(QT_TRANSLATE_NOOP("Compare", "Compare Circuits")));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    m_pSet = new QComboBox(this);
    for (std::size_t choice = 0; choice < CCompareSession::kChoices; ++choice)
        m_pSet->addItem(QString::fromStdString(CCompareSession::ChoiceName(choice)));
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
    const int rows = static_cast<int>(CircuitCatalogue().size() + 1) / 2;
    int row = 0;
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        auto* box = new QCheckBox(QString::fromStdString(CompareSets::CircuitName(entry.nCommandId)), m_pChoice);
        box->setChecked(entry.nCommandId == CmdId::SingleBulb);
        grid->addWidget(box, row % rows, row / rows);
        m_circuitBoxes.emplace_back(entry.nCommandId, box);
        ++row;
    }
    auto* cells = new QHBoxLayout;
    for (int n = 0; n <= 3; ++n) {
        CMeasureSetup run;
        run.nCells = n;
        auto* box = new QCheckBox(QString::fromStdString(CompareSets::SettingsText(run)), m_pChoice);
        box->setChecked(n == 1);
        cells->addWidget(box);
        m_cellBoxes.push_back(box);
    }
    cells->addStretch(1);
    grid->addLayout(cells, rows, 0, 1, 2);
    layout->addWidget(m_pChoice);
    m_pChoice->hide();

    auto* progress = new QHBoxLayout;
    m_pProgress = new QProgressBar(this);
    m_pProgress->setRange(0, CCompareSession::kProgressSteps);
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
            [this](int index) { m_pChoice->setVisible(index == static_cast<int>(CCompareSession::kFreeChoice)); });
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
    std::vector<int> circuits, cells;
    for (const auto& [id, box] : m_circuitBoxes)
        if (box->isChecked())
            circuits.push_back(id);
    for (std::size_t n = 0; n < m_cellBoxes.size(); ++n)
        if (m_cellBoxes[n]->isChecked())
            cells.push_back(static_cast<int>(n));
    return CCompareSession::ChosenRuns(static_cast<std::size_t>(m_pSet->currentIndex()), circuits, cells);
}

void CCompareWindow::Measure()
{
    m_queue.Cancel();
    m_clock.start();
    const int start = m_session.Start(ChosenRuns(), 0.0);
    if (start != 0) {
        std::vector<CMeasurementQueue::CJob> jobs;
        for (const CMeasureSetup& setup : m_session.Runs())
            jobs.push_back({setup, CCompareSession::kSeconds, CCompareSession::kSeed});
        QPointer<CCompareWindow> self(this);
        m_queue.Start(std::move(jobs), [self, start](int, std::size_t job, const CMeasureResult& result) {
            // On the worker's thread: handed to the window's.
            QMetaObject::invokeMethod(
                self,
                [self, start, job, result] {
                    if (self)
                        self->Done(start, job, result);
                },
                Qt::QueuedConnection);
        });
        m_progressTimer.start();
    }
    ShowBars();
    ShowState();
}

void CCompareWindow::Cancel()
{
    m_queue.Cancel();
    m_session.Cancel();
    m_progressTimer.stop();
    ShowState();
}

void CCompareWindow::Done(int start, std::size_t job, const CMeasureResult& result)
{
    if (!m_session.Record(start, job, result, static_cast<double>(m_clock.elapsed())))
        return;   // a cancelled start's late result
    if (!m_session.IsMeasuring())
        m_progressTimer.stop();
    ShowBars();
    ShowState();
}

void CCompareWindow::ShowBars()
{
    m_pChart->SetBars(m_session.Bars());
}

void CCompareWindow::ShowState()
{
    const bool running = IsMeasuring();
    m_pMeasure->setEnabled(!running);
    m_pCancel->setEnabled(running);
    m_pSet->setEnabled(!running);
    m_pChoice->setEnabled(!running);
    m_pProgress->setValue(m_session.Progress(m_queue.Progress()));
    m_pState->setText(QString::fromStdString(m_session.StatusText()));
    m_pCopy->setEnabled(m_session.HasFigures());
    m_pSave->setEnabled(m_session.HasFigures());
}

QString CCompareWindow::CsvText() const
{
    return QString::fromStdString(m_session.Csv());
}

void CCompareWindow::SaveChart()
{
    const QString path = QFileDialog::getSaveFileName(
        this, Text(QT_TRANSLATE_NOOP("Compare", "Save Picture")),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/compare.png"),
        Text(QT_TRANSLATE_NOOP("Compare", "PNG pictures (*.png)")));
    if (path.isEmpty())
        return;
    const QString reason = PictureSaver::WritePng(
        m_pChart->Picture(QSize(CompareChart::kPictureWidth, CompareChart::kPictureHeight)), path);
    if (!reason.isEmpty())
        QMessageBox::warning(this, Text(QT_TRANSLATE_NOOP("Compare", "Save Picture")),
                             PictureSaver::FailureText(path, reason));
}
