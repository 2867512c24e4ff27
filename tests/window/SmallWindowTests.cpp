// On a small window the bars give way to the circuit: its square keeps its
// share of the window's smaller side at 640 x 480 and on the commonest
// laptop's screen, 1366 x 768, where the bars keep their full size; and the
// chooser keeps every circuit in reach, on one row, on two, or with the
// rest behind a last button, in each shipped language.
#include "WindowFixture.h"

#include "app/ChooserButtons.h"
#include "app/CircuitChooser.h"
#include "core/circuits/CircuitCatalogue.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <algorithm>
#include <vector>

class SmallWindow : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    // The chooser's buttons shown whole in the window, one clear of another.
    std::vector<int> ShownCircuits()
    {
        std::vector<int> shown;
        std::vector<QRect> places;
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
            const QToolButton* button = m_frame->Chooser()->Button(entry.nCommandId);
            if (!button->isVisible())
                continue;
            const QRect place(button->mapTo(m_frame.get(), QPoint(0, 0)), button->size());
            EXPECT_TRUE(m_frame->rect().contains(place)) << entry.pszMenuCaption;
            for (const QRect& other : places)
                EXPECT_FALSE(other.intersects(place)) << entry.pszMenuCaption;
            places.push_back(place);
            shown.push_back(entry.nCommandId);
        }
        return shown;
    }

    CShippedLanguage m_language{GetParam()};
};

TEST_P(SmallWindow, TheCircuitKeepsItsShareAndEveryCircuitStaysInReach)
{
    ASSERT_FALSE(m_language.IsMissing()) << GetParam();
    Show();
    const CChooserButtons& buttons = *m_frame->Chooser()->Buttons();
    struct CWindow {
        QSize size;
        double share;
        int rows;
    };
    for (const auto& [size, share, rows] : {CWindow{{640, 480}, 0.45, 2}, CWindow{{1366, 768}, 0.65, 1}}) {
        m_frame->resize(size);
        Settle();
        Tick();
        const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height());
        // The view lays the circuit out on 25 units of a whole number of device pixels.
        const double square = 25.0 * m_doc->Painter().Grid().unit / View().devicePixelRatioF();
        EXPECT_GE(square / std::min(size.width(), size.height()), share) << where << ": square " << square;
        EXPECT_EQ(ShownCircuits().size(), CircuitCatalogue().size()) << where;
        EXPECT_EQ(buttons.Rows(), rows) << where;
        EXPECT_FALSE(buttons.OverflowButton()->isVisible()) << where;
    }
    for (const CDialogBar* bar : {&Controls(), m_frame->DisplayBar()})
        EXPECT_EQ(bar->Scale(), CBarScale{}) << "full size at 1366x768";

    // Too narrow for two rows: the circuits left out are behind the last
    // button, and chosen from its menu.
    m_frame->OnCommand(CmdId::ViewControls);
    m_frame->OnCommand(CmdId::ViewDisplay);
    Settle();
    m_frame->resize(360, 480);
    Settle();
    const QToolButton& more = *buttons.OverflowButton();
    ASSERT_TRUE(more.isVisible());
    EXPECT_TRUE(m_frame->rect().contains(QRect(more.mapTo(m_frame.get(), QPoint(0, 0)), more.size())));
    std::vector<int> reached = ShownCircuits();
    const QList<QAction*> rest = more.menu()->actions();
    for (QAction* action : rest)
        for (const auto& [id, circuit] : m_frame->Chooser()->Actions())
            if (circuit == action)
                reached.push_back(id);
    std::sort(reached.begin(), reached.end());
    EXPECT_TRUE(std::adjacent_find(reached.begin(), reached.end()) == reached.end());
    EXPECT_EQ(reached.size(), CircuitCatalogue().size());
    ASSERT_FALSE(rest.isEmpty());
    rest.back()->trigger();
    EXPECT_TRUE(m_frame->Chooser()->Action(CircuitCatalogue().back().nCommandId)->isChecked());
    EXPECT_EQ(m_doc->GetCurrentCircuit(), m_doc->CircuitForCommand(CircuitCatalogue().back().nCommandId));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Languages, SmallWindow, ::testing::Values("", "de", "fr", "es"),
                         [](const auto& info) { return *info.param != '\0' ? std::string(info.param) : std::string("en"); });
// clang-format on
