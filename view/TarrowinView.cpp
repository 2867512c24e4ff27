#include "view/TarrowinView.h"

#include "core/lesson/Lesson.h"
#include "core/pictures/CellsPicture.h"
#include "core/pictures/MeterDial.h"
#include "core/res/BitmapTable.h"
#include "core/res/ResourceIds.h"
#include "platform/FrameImage.h"
#include "platform/RasterSurface.h"
#include "platform/Resources.h"
#include "view/MeterAccessible.h"
#include "view/PictureControl.h"
#include "view/ViewFrame.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>
#include <cstring>

// Tick rate and start-up time, for measuring the running program:
// QT_LOGGING_RULES="tarrowin.ticks.debug=true".
Q_LOGGING_CATEGORY(lcTicks, "tarrowin.ticks", QtWarningMsg)

namespace {

constexpr int kTicksPerRateReport = 600;

// Screen readers pass over a plain widget, a "filler": the view is an animation.
QAccessibleInterface* ViewAccessible(const QString&, QObject* object)
{
    if (auto* view = dynamic_cast<CTarrowinView*>(object))
        return new QAccessibleWidget(view, QAccessible::Animation);
    return nullptr;
}

}

CTarrowinView::CTarrowinView(CLesson& lesson, QWidget* parent)
    : QWidget(parent), m_lesson(lesson), m_clock([this] { OnTimer(); }), m_escape([this] {
        // No tick polls while time stands still: Escape acts at once.
        if (IsPaused() && m_escape.TakePress() && m_pFrame != nullptr)
            m_pFrame->LeaveFullScreen();
    })
{
    static const bool accessible = [] {
        QAccessible::installFactory(ViewAccessible);
        return true;
    }();
    (void)accessible;
    // Every frame covers the whole area, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMinimumSize(0, 0);
    // The keys' home: clicks on the bars leave the focus here.
    setFocusPolicy(Qt::StrongFocus);

    m_clock.StartWaiting(kSplashMs);
    m_clock.Follow(m_lesson.Pace().PeriodMs());
    m_rateClock.start();
    m_describeTimer.setSingleShot(true);
    QObject::connect(&m_describeTimer, &QTimer::timeout, this, [this] { Describe(); });
}

CTarrowinView::~CTarrowinView() = default;

bool CTarrowinView::IsPaused() const
{
    return m_lesson.Pace().IsPaused();
}

bool CTarrowinView::IsStandingStill() const
{
    return m_lesson.CanStep();
}

const CCurrentMeter& CTarrowinView::Meter() const
{
    return m_lesson.Meter();
}

long long CTarrowinView::TickCount() const
{
    return m_lesson.Ticks();
}

QSize CTarrowinView::DeviceSize() const
{
    const qreal dpr = devicePixelRatioF();
    return QSize(static_cast<int>(std::lround(width() * dpr)), static_cast<int>(std::lround(height() * dpr)));
}

void CTarrowinView::LayoutToSize()
{
    const QSize size = DeviceSize();
    if (m_frame.size() != size) {
        m_frame = CreateFrameImage(size.width(), size.height());
        m_frame.fill(Qt::gray);
    }
    m_frame.setDevicePixelRatio(devicePixelRatioF());
    CRasterSurface surface(m_frame);
    m_lesson.Layout(surface, CRect{0, 0, size.width(), size.height()});
}

void CTarrowinView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutToSize();
    BarsReady();
    if (IsStandingStill())
        ComposeFrame();
    update();
}

void CTarrowinView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_bSplash) {
        DrawSplash(painter);
        BarsReady();
        return;
    }
    if (m_frame.size() != DeviceSize() || m_frame.devicePixelRatio() != devicePixelRatioF()) {
        // Shown before any resize reached us, or moved to a screen of
        // another density: compose a frame for what is there now.
        LayoutToSize();
        CRasterSurface surface(m_frame);
        m_lesson.DrawView(surface);
    }
    // Only what changed is copied to the window.
    const qreal dpr = m_frame.devicePixelRatio();
    for (const QRect& r : event->region()) {
        const QRectF source(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr);
        painter.drawImage(QRectF(r), m_frame, source);
    }
    BarsReady();
}

void CTarrowinView::BarsReady()
{
    if (m_bBarsReady)
        return;
    m_bBarsReady = true;
    // The dial at its reading and the supply's cells from the first paint,
    // the logo's too, rather than empty frames until the first tick.
    ShowCellsPicture(m_lesson.Cells());
    DrawMeterNeedle(m_lesson.Meter().LastReading());
}

void CTarrowinView::UpdateRendered()
{
    const std::vector<CRect>& rects = m_lesson.ChangedRects();
    // Tiles of the same size in device pixels at any density: on a dense
    // screen logical tiles would repaint four times the area.
    const qreal dpr = m_frame.devicePixelRatio();
    const int tile = std::max(1, static_cast<int>(std::lround(kTile / dpr)));
    const int cols = (width() + tile - 1) / tile;
    const int rows = (height() + tile - 1) / tile;
    if (rects.empty() || cols <= 0 || rows <= 0)
        return;
    // The changed rectangles overlap and are many; the repaint goes by the
    // tiles they touch, gathered into runs along each row of tiles, which
    // makes a simple region without merging rectangle by rectangle. The map
    // is kept clear between frames, and only the rows touched are read.
    if (m_tiles.size() != static_cast<std::size_t>(cols) * rows)
        m_tiles.assign(static_cast<std::size_t>(cols) * rows, 0);
    int firstRow = rows;
    int lastRow = -1;
    for (const CRect& rc : rects) {
        const int left = std::max(0, static_cast<int>(std::floor(rc.left / dpr)));
        const int top = std::max(0, static_cast<int>(std::floor(rc.top / dpr)));
        const int right = std::min(width(), static_cast<int>(std::ceil(rc.right / dpr)));
        const int bottom = std::min(height(), static_cast<int>(std::ceil(rc.bottom / dpr)));
        if (right <= left || bottom <= top)
            continue;
        firstRow = std::min(firstRow, top / tile);
        lastRow = std::max(lastRow, (bottom - 1) / tile);
        for (int ty = top / tile; ty <= (bottom - 1) / tile; ++ty)
            std::memset(&m_tiles[static_cast<std::size_t>(ty) * cols + left / tile], 1,
                        static_cast<std::size_t>((right - 1) / tile - left / tile + 1));
    }
    m_tileRects.clear();
    const QRect bounds = rect();
    for (int ty = firstRow; ty <= lastRow; ++ty) {
        unsigned char* row = &m_tiles[static_cast<std::size_t>(ty) * cols];
        const unsigned char* end = row + cols;
        for (unsigned char* start = row; (start = static_cast<unsigned char*>(std::memchr(start, 1, end - start)));) {
            unsigned char* stop = start;
            while (stop != end && *stop != 0)
                *stop++ = 0;
            m_tileRects.push_back(
                QRect(static_cast<int>(start - row) * tile, ty * tile, static_cast<int>(stop - start) * tile, tile) &
                bounds);
            start = stop;
        }
    }
    QRegion region;
    region.setRects(m_tileRects.data(), static_cast<int>(m_tileRects.size()));
    update(region);
}

void CTarrowinView::DrawSplash(QPainter& painter)
{
    painter.fillRect(rect(), Qt::white);
    const QImage logo = LoadResourceImage(ResId::Logo, devicePixelRatioF());
    if (logo.isNull())
        return;
    QImage shown = logo;
    shown.setDevicePixelRatio(devicePixelRatioF());
    painter.drawImage(width() / 2 - 150, height() / 2 - 30, shown);
}

void CTarrowinView::OnTimer()
{
    if (m_bSplash) {
        m_bSplash = false;
        m_lesson.SetStarted();
        m_clock.StopWaiting();
        qCDebug(lcTicks, "first frame after %lld ms", static_cast<long long>(m_rateClock.restart()));
        if (IsPaused()) {
            // Paused during the logo: the circuit's first frame, standing.
            ComposeFrame();
            if (m_pFrame != nullptr)
                m_pFrame->FirstFrameShown();
            return;
        }
    } else if (IsPaused()) {
        return;   // a timeout already queued when time was stopped
    }
    Tick();
}

void CTarrowinView::Tick()
{
    const bool first = m_lesson.Ticks() == 0;
    m_lesson.Tick();
    ShowDue();
    if (m_pFrame != nullptr) {
        m_pFrame->AfterTick();
        if (m_escape.TakePress())
            m_pFrame->LeaveFullScreen();
        if (first)
            m_pFrame->FirstFrameShown();
    }

    if (m_lesson.Ticks() % kTicksPerRateReport == 0) {
        const qint64 ms = m_rateClock.restart();
        qCDebug(lcTicks, "%d ticks in %lld ms: %.1f ticks/s", kTicksPerRateReport, static_cast<long long>(ms),
                ms > 0 ? kTicksPerRateReport * 1000.0 / ms : 0.0);
    }
}

void CTarrowinView::ComposeFrame()
{
    if (m_frame.size() != DeviceSize())
        LayoutToSize();
    {
        CRasterSurface surface(m_frame);
        m_lesson.DrawView(surface);
    }
    UpdateRendered();
}

void CTarrowinView::AfterCommand()
{
    ShowDue();
}

void CTarrowinView::ShowDue()
{
    if (m_lesson.IsFrameDue() && m_lesson.IsStarted())
        ComposeFrame();
    m_clock.Follow(m_lesson.Pace().PeriodMs());
    if (m_lesson.Readings() != m_nReadingsShown)
        DrawMeterNeedle(m_lesson.Meter().LastReading());
    if (m_bBarsReady)
        ShowCellsPicture(m_lesson.Cells());
    RequestDescription();
}

void CTarrowinView::RequestDescription()
{
    if (m_describeTimer.isActive())
        return;
    const qint64 since = m_describeClock.isValid() ? m_describeClock.elapsed() : kDescribeMs;
    m_describeTimer.start(static_cast<int>(std::max<qint64>(0, kDescribeMs - since)));
}

CCircuitFacts CTarrowinView::Facts() const
{
    return m_lesson.Facts();
}

void CTarrowinView::Describe()
{
    m_describeTimer.stop();
    m_describeClock.restart();
    const CCircuitFacts facts = Facts();
    const QString text = QString::fromStdString(DescribeCircuit(facts));
    // Qt tells a screen reader of the new description.
    if (text != accessibleDescription())
        setAccessibleDescription(text);
    if (CPictureControl* meter = m_pFrame != nullptr ? m_pFrame->MeterControl() : nullptr)
        MeterAccessible::SetReading(meter, facts.meterMarks, QString::fromStdString(DescribeMeter(facts)));
}

QRect CTarrowinView::SquareRect() const
{
    const CRect square = m_lesson.Square();
    return QRect(square.left, square.top, square.Width(), square.Height());
}

QImage CTarrowinView::Picture(int side)
{
    const QRect shown = SquareRect();
    if (side == shown.width() && side > 0 && m_frame.rect().contains(shown))
        return m_frame.copy(shown);
    side -= side % CCircuit::kGridSize;
    if (side <= 0)
        return {};
    // Laid out and drawn standing at the side asked for, as the runner
    // draws its pictures; then the view's own frame, the same way.
    QImage picture = CreateFrameImage(side, side);
    {
        CRasterSurface surface(picture);
        m_lesson.DrawPicture(surface, side);
    }
    LayoutToSize();
    ComposeFrame();
    return picture;
}

void CTarrowinView::ShowCellsPicture(int cells)
{
    if (m_pFrame == nullptr)
        return;
    if (CPictureControl* control = m_pFrame->CellsPictureControl()) {
        const CBitmapResource& artwork = *FindBitmapResource(CellsPicture::ArtworkId(0));
        QImage& canvas =
            control->Canvas(control->Scaled(QSize(artwork.nWidth, artwork.nHeight)), control->devicePixelRatioF());
        // Every tick asks; the picture is drawn only when it changes.
        if (cells == m_nCellsShown && control->Generation() == m_nCellsGeneration)
            return;
        CRasterSurface surface(canvas);
        CellsPicture::Draw(surface, cells, canvas.width(), canvas.height());
        control->update();
        m_nCellsShown = cells;
        m_nCellsGeneration = control->Generation();
    }
}

void CTarrowinView::DrawMeterNeedle(double reading)
{
    if (m_pFrame == nullptr)
        return;
    if (CPictureControl* control = m_pFrame->MeterControl()) {
        const qreal dpr = control->devicePixelRatioF();
        QImage& canvas = control->Canvas(control->Scaled(QSize(MeterDial::kSize, MeterDial::kSize)), dpr);
        CRasterSurface surface(canvas);
        // The dial has as many pixels as the canvas.
        if (!m_dial || m_dial->Width() != canvas.width()) {
            m_dial = MeterDial::BuildDial(surface, canvas.width());
            m_nMeterGeneration = -1;
        }
        // While the canvas holds the needle drawn last, only the needle moves.
        if (control->Generation() == m_nMeterGeneration) {
            const CRect moved = MeterDial::MoveNeedle(surface, *m_dial, m_dMeterShown, reading);
            const QRect logical(
                QPoint(static_cast<int>(std::floor(moved.left / dpr)), static_cast<int>(std::floor(moved.top / dpr))),
                QPoint(static_cast<int>(std::ceil(moved.right / dpr)) - 1,
                       static_cast<int>(std::ceil(moved.bottom / dpr)) - 1));
            control->update(logical.translated(control->contentsRect().topLeft()));
        } else {
            MeterDial::DrawWithNeedle(surface, *m_dial, reading);
            control->update();
        }
        m_nMeterGeneration = control->Generation();
        m_dMeterShown = reading;
        m_nReadingsShown = m_lesson.Readings();
    }
}

void CTarrowinView::RedrawPictures()
{
    if (m_nMeterGeneration != -1)
        DrawMeterNeedle(m_dMeterShown);
    if (m_bBarsReady)
        ShowCellsPicture(m_lesson.Cells());
}
