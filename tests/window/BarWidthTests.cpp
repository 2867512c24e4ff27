// The side bars keep one width from circuit to circuit in a language, with
// the measurements shown below the display bar as a remembered setting
// brings them back at start, on the commonest laptop's screen and on a
// small one; there the display bar stands whole above the panel.
#include "WindowFixture.h"

#include "app/AppSettings.h"
#include "app/TarrowinApp.h"
#include "app/LaunchOptions.h"
#include "core/circuits/CircuitCatalogue.h"

#include <QDockWidget>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <vector>

class BarWidths : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Where the bars, the panel and the view stand across the window.
    std::vector<int> Across()
    {
        std::vector<int> edges;
        for (const QWidget* part :
             {static_cast<QWidget*>(m_frame->ControlsDock()), static_cast<QWidget*>(m_frame->DisplayDock()),
              static_cast<QWidget*>(m_frame->MeasurementsDock()), static_cast<QWidget*>(&View())})
            edges.insert(edges.end(), {part->x(), part->width()});
        return edges;
    }

    CShippedLanguage m_language{GetParam()};
};

TEST_P(BarWidths, StayTheSameForEveryCircuitAndTheDisplayBarStandsWholeAboveTheMeasurements)
{
    ASSERT_FALSE(m_language.IsMissing()) << GetParam();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("tarrowin.conf"));
    QFile settings(file);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write("[bars]\nmeasurements=true\n") > 0);
    settings.close();
    CTarrowinApp::Restore(*m_frame, CAppSettings(file), {});
    m_frame->setGeometry(QRect(0, 0, 1366, 768));
    m_frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    Settle();
    Tick();
    Settle();
    ASSERT_FALSE(m_frame->MeasurementsDock()->isHidden());

    const auto* scroller = qobject_cast<QScrollArea*>(m_frame->DisplayDock()->widget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
    EXPECT_TRUE(scroller->viewport()->rect().contains(QRect(QPoint(0, 0), m_frame->DisplayBar()->size())))
        << "display bar " << m_frame->DisplayBar()->width() << "x" << m_frame->DisplayBar()->height() << " in "
        << scroller->viewport()->width() << "x" << scroller->viewport()->height();

    for (const QSize size : {QSize(1366, 768), QSize(640, 480)}) {
        m_frame->resize(size);
        Settle();
        std::vector<int> first;
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
            m_frame->OnCommand(entry.nCommandId);
            Tick();
            Settle();
            if (first.empty())
                first = Across();
            EXPECT_EQ(Across(), first) << entry.pszMenuCaption << " at " << size.width() << "x" << size.height();
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Languages, BarWidths, ::testing::Values("", "de"),
                         [](const auto& info) { return *info.param != '\0' ? std::string(info.param) : std::string("en"); });
// clang-format on
