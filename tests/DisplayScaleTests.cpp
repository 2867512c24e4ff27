// The three displays as a class sees them, from a small window to a 4K
// projector: each fills the view's square and stays inside it, lines grow
// with the square, and the marks, labels and titles stay readable.
#include "core/document/TarrowinDoc.h"
#include "platform/RasterSurface.h"
#include "core/res/CommandIds.h"
#include "tests/TestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

bool IsDark(QRgb c)
{
    return qGray(c) < 96;
}

// The bounding box of every pixel that differs from the one at (0, 0),
// which lies outside the square in a window wider than it is tall.
QRect Drawn(const QImage& image)
{
    const QRgb outside = image.pixel(0, 0);
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != outside)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

// Runs of dark pixels along a line of the image.
int DarkRuns(const QImage& image, int y, int x0, int x1)
{
    int runs = 0;
    bool inRun = false;
    for (int x = x0; x < x1; ++x) {
        const bool dark = IsDark(image.pixel(x, y));
        runs += dark && !inRun ? 1 : 0;
        inRun = dark;
    }
    return runs;
}

class Displays : public ::testing::Test {
protected:
    void SetUp() override { RestartProgramState(); }

    CCircuit& Show(int position, DisplayMode mode)
    {
        CCircuit& c = *m_doc.CircuitAt(position);
        m_doc.SelectCircuit(c);
        c.SetDisplayMode(mode);
        return c;
    }

    // The shown circuit laid out on an image of its own.
    QImage Layout(int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        CRasterSurface dc(image);
        m_doc.LayoutCircuit(dc, CRect{0, 0, w, h});
        return image;
    }
    // A tick's animation and frame.
    void Tick(CDrawSurface& dc)
    {
        m_doc.AdvanceAnimation();
        m_doc.DrawCircuit(dc);
    }
    const CGridLayout& Grid() const { return m_doc.Painter().Grid(); }

    CTarrowinDoc m_doc;
};

}

// The three displays fill one and the same square, the grid's, centred on
// the same black, so switching between them moves nothing.
TEST_F(Displays, AllThreeFillOneSquareAndTheirLinesGrowWithIt)
{
    const QSize sizes[] = {{640, 480}, {777, 1301}, {1920, 1080}, {3840, 2160}};
    for (const int position : {1, 5, 9, 13})
        for (const DisplayMode mode : {DisplayMode::BallModel, DisplayMode::Diagram, DisplayMode::Picture}) {
            int lastWire = 0;
            for (const QSize size : sizes) {
                Show(position, mode);
                const QImage image = Layout(size.width(), size.height());
                const int side = std::min(size.width(), size.height()) / 25 * 25;
                const QRect square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
                SCOPED_TRACE(testing::Message() << "circuit " << position << ", display " << static_cast<int>(mode)
                                                << ", " << size.width() << "x" << size.height());
                EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
                EXPECT_EQ(Drawn(image), square);
                // The diagram's wire down the left side, across the middle row.
                if (mode == DisplayMode::Diagram) {
                    const int x = square.left() + Grid().unit * 7 / 2;
                    int wire = 0;
                    for (int dx = -Grid().unit; dx <= Grid().unit; ++dx)
                        wire += IsDark(image.pixel(x + dx, square.center().y())) ? 1 : 0;
                    EXPECT_GE(wire, 3);
                    EXPECT_GE(wire, Grid().unit * 3 / 32 - 1);
                    EXPECT_GE(wire, lastWire);
                    lastWire = wire;
                }
            }
        }
}

TEST_F(Displays, MarksLabelsAndTitlesStayReadable)
{
    // Two resistors told apart by their marks at 640 x 480: one bar, two bars.
    {
        Show(13, DisplayMode::Diagram);
        const QImage diagram = Layout(640, 480);
        const int y = Grid().offsetY + Grid().unit * 43 / 2;
        const auto runsIn = [&](double cx) {
            return DarkRuns(diagram, y, Grid().offsetX + static_cast<int>(Grid().unit * (cx - 1)),
                            Grid().offsetX + static_cast<int>(Grid().unit * (cx + 1)));
        };
        EXPECT_EQ(runsIn(9.5), 2) << "high resistance";
        EXPECT_EQ(runsIn(15.5), 1) << "low resistance";
    }
    // The longest title fits a narrow view.
    {
        Show(6, DisplayMode::BallModel);
        QImage image(300, 500, QImage::Format_RGB32);
        CRasterSurface dc(image);
        m_doc.LayoutCircuit(dc, CRect{0, 0, 300, 500});
        Tick(dc);
        QRect title;
        for (int y = 0; y < 500; ++y)
            for (int x = 0; x < 300; ++x)
                if (qGray(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 255)
                    title |= QRect(x, y, 1, 1);
        ASSERT_FALSE(title.isEmpty());
        EXPECT_GT(title.left(), 0);
        EXPECT_LT(title.right(), 299);
    }
    // No glow arc ever touches a name, at any size: with three cells every
    // bulb's arcs reach their widest. Names and arcs are apart by two pixels
    // at least. And the two resistors' names stand apart.
    const auto textPixels = [&](CCircuit& c, int w, int h) {
        if (!c.GetShowLabels())
            c.ToggleLabels();
        const QImage labelled = Layout(w, h);
        c.ToggleLabels();
        const QImage plain = Layout(w, h);
        c.ToggleLabels();
        std::vector<QPoint> text;
        for (int y = h / 3; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (labelled.pixel(x, y) != plain.pixel(x, y))
                    text.emplace_back(x, y);
        return text;
    };
    for (int position = 1; position <= 10; ++position)
        for (const int side : {250, 480, 1080, 2160}) {
            CCircuit& c = Show(position, DisplayMode::BallModel);
            c.SetCells(3);
            std::set<std::pair<int, int>> around;
            for (const QPoint& p : textPixels(c, side, side))
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        around.emplace(p.x() + dx, p.y() + dy);
            ASSERT_FALSE(around.empty());
            const std::vector<std::pair<int, int>> near(around.begin(), around.end());
            c.ToggleLabels();
            QImage frame(side, side, QImage::Format_RGB32);
            CRasterSurface dc(frame);
            m_doc.LayoutCircuit(dc, CRect{0, 0, side, side});
            const long long arcsBefore = c.ArcsAdded(1);
            int touching = 0;
            for (int tick = 0; tick < CCircuit::kIntroFrames + 160; ++tick) {
                c.Step();
                Tick(dc);
                for (const auto& [x, y] : near) {
                    const QRgb p = frame.pixel(x, y);
                    touching += qRed(p) > 200 && qBlue(p) < 100 ? 1 : 0;
                }
            }
            c.ToggleLabels();
            EXPECT_GT(c.ArcsAdded(1), arcsBefore) << "circuit " << position << " at " << side;
            EXPECT_EQ(touching, 0) << "circuit " << position << " at " << side;
        }
    {
        CCircuit& c = Show(13, DisplayMode::BallModel);
        std::set<int> rows;
        for (const QPoint& p : textPixels(c, 1920, 1080))
            rows.insert(p.y());
        ASSERT_FALSE(rows.empty());
        int groups = 1;
        for (auto it = std::next(rows.begin()); it != rows.end(); ++it)
            groups += *it != *std::prev(it) + 1 ? 1 : 0;
        EXPECT_EQ(groups, 2) << "two names, each on rows of its own";
    }
}
