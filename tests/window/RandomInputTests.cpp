// A seeded stream of what a class might do to the real window for a long
// time: menu items, chooser buttons, every control, Escape, the About box,
// resizes from 1 x 1 to 3840 x 2160, all between ticks. The window must not
// crash, warn about painting, fall out of step with the circuit or grow.
#include "WindowFixture.h"

#include "app/AboutDlg.h"
#include "app/CircuitChooser.h"
#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/MenuTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QKeySequence>
#include <QMenuBar>
#include <QToolButton>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <mutex>
#include <random>
#include <sstream>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TARROWIN_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARROWIN_UNDER_ASAN 1
#endif
#endif

namespace {

// About a minute on two busy cores in an ordinary build; sanitizers run
// several times slower, so they get fewer unless asked.
#ifdef TARROWIN_UNDER_ASAN
constexpr long kDefaultEvents = 1500;
#else
constexpr long kDefaultEvents = 10000;
#endif

long EnvNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Every warning and critical message of the run, kept for the verdict.
std::mutex g_logMutex;
std::vector<std::string> g_messages;
QtMessageHandler g_previousHandler = nullptr;

void RecordMessage(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        const std::lock_guard lock(g_logMutex);
        g_messages.push_back(msg.toStdString());
    }
    if (g_previousHandler != nullptr)
        g_previousHandler(type, context, msg);
}

bool IsAboutPainting(const std::string& msg)
{
    for (const char* pattern : {"QPainter", "paint device", "Paint device", "paintEngine", "QPaintDevice",
                                "Recursive repaint", "QBackingStore", "QImage"})
        if (msg.find(pattern) != std::string::npos)
            return true;
    return false;
}

// The offscreen platform says this about every top-level window; it is
// filtered before us in the test main, but may reach us first.
bool IsPlatformNoise(const std::string& msg)
{
    return msg.find("does not support propagateSizeHints") != std::string::npos;
}

}

class RandomInput : public WindowTest {
protected:
    enum Kind { kTick, kMenu, kAbout, kChooser, kControl, kEscape, kFrameSize, kViewSize, kKey, kKindCount };

    void SetUp() override
    {
        {
            const std::lock_guard lock(g_logMutex);
            g_messages.clear();
        }
        g_previousHandler = qInstallMessageHandler(RecordMessage);
        WindowTest::SetUp();
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
            m_menuIds.push_back(entry.nCommandId);
        // Exit is left out (menu and key): it closes the window the run goes on with;
        // Save Picture waits for its dialogs, and so may Compare Circuits' own window.
        for (const CMenuEntry& menu : MainMenu())
            for (const CMenuItemEntry& item : menu.items)
                if (item.nId != 0 && item.nId != CmdId::AppExit && item.nId != CmdId::AppAbout &&
                    item.nId != CmdId::SavePicture && item.nId != CmdId::CompareCircuits) {
                    m_menuIds.push_back(item.nId);
                    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(item.pszKeys)))
                        if (!key.isEmpty())
                            m_keys.push_back(key[0]);
                }
        m_keys.push_back(QKeyCombination(Qt::Key_Tab));
        ShowActive();
        // Keys during the logo.
        for (int i = 0; i < 20; ++i)
            PressKey(false);
        Tick();
    }

    void TearDown() override
    {
        WindowTest::TearDown();
        qInstallMessageHandler(g_previousHandler);
    }

    static constexpr std::array kControlIds{
        CmdId::DisplayBallModel, CmdId::DisplayDiagram, CmdId::DisplayPicture, CmdId::SwitchPolarity,
        CmdId::TagElectron,      CmdId::ShowLabels,     CmdId::SwitchOff,      CmdId::SwitchOn,
        CmdId::Cells0,           CmdId::Cells1,         CmdId::Cells2,         CmdId::Cells3,
        CmdId::VaryMeanSpeed,    CmdId::Pulsate,        CmdId::ResistanceDown, CmdId::ResistanceUp};

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_rng); }

    // Small sizes are as likely as large ones, and the extremes come often.
    QSize RandomSize()
    {
        // clang-format off
        static constexpr std::array<QSize, 5> kExtremes{
            {{1, 1}, {3840, 2160}, {1, 2160}, {3840, 1}, {1200, 900}}};
        // clang-format on
        if (Pick(4) == 0)
            return kExtremes[Pick(kExtremes.size())];
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        return QSize(static_cast<int>(std::pow(3840.0, unit(m_rng))), static_cast<int>(std::pow(2160.0, unit(m_rng))));
    }

    // What the bars, the menu and the chooser must show for the current
    // circuit and the frame's state; empty when all is in step.
    std::string Mismatch()
    {
        std::ostringstream out;
        const CCircuit& c = Circuit();
        const int cells = std::abs(c.GetCells());
        std::set<int> expected{CmdId::kDisplays[static_cast<std::size_t>(c.GetDisplayMode())],
                               CmdId::kCells[static_cast<std::size_t>(cells)]};
        for (const auto& [id, on] : {std::pair{CmdId::TagElectron, c.GetTagged() != nullptr},
                                     {CmdId::ShowLabels, c.GetShowLabels()},
                                     {CmdId::VaryMeanSpeed, c.GetVaryMeanSpeed()},
                                     {CmdId::Pulsate, c.GetPulsate()}})
            if (on)
                expected.insert(id);
        if (CheckedSyncedIds() != expected) {
            out << "checked controls";
            for (const int id : CheckedSyncedIds())
                out << ' ' << id;
            out << ", the circuit's settings";
            for (const int id : expected)
                out << ' ' << id;
            out << "; ";
        }
        for (const int id : kSyncedIds)
            if (!Button(id).isEnabled())
                out << "control " << id << " disabled; ";
        const bool switchCircuit = m_doc->IsSwitchCircuit(&c);
        for (const int id : {CmdId::SwitchOn, CmdId::SwitchOff})
            if (Button(id).isEnabled() != switchCircuit)
                out << "switch button " << id << " enabled " << Button(id).isEnabled() << "; ";
        if (switchCircuit &&
            (Checked(CmdId::SwitchOn) == c.IsSwitchOpen() || Checked(CmdId::SwitchOff) != c.IsSwitchOpen()))
            out << "on/off do not show the switch; ";
        // "-" and "+" serve the variable resistor, each greyed at its end of the range.
        const bool variable = &c == &m_doc->VariableResistorCircuit();
        const int step = m_doc->VariableResistorCircuit().ResistanceStep();
        for (const auto& [id, room] : {std::pair{CmdId::ResistanceDown, step > 0},
                                       {CmdId::ResistanceUp, step < CBulbVariableResistorCircuit::kResistanceSteps}})
            if (Button(id).isEnabled() != (variable && room) ||
                m_frame->MenuAction(id)->isEnabled() != Button(id).isEnabled())
                out << "resistor button " << id << " enabled " << Button(id).isEnabled() << "; ";
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
            const bool current = m_doc->CircuitForCommand(entry.nCommandId) == &c;
            if (m_frame->MenuAction(entry.nCommandId)->isChecked() != current ||
                m_frame->Chooser()->Action(entry.nCommandId)->isChecked() != current)
                out << "circuit item " << entry.pszMenuCaption << " checked wrongly; ";
        }
        const std::array<std::pair<int, QWidget*>, 3> bars{{{CmdId::ViewChooser, m_frame->Chooser()},
                                                            {CmdId::ViewControls, m_frame->ControlsDock()},
                                                            {CmdId::ViewDisplay, m_frame->DisplayDock()}}};
        for (const auto& [id, bar] : bars)
            if (m_frame->MenuAction(id)->isChecked() == bar->isHidden())
                out << "View item " << id << " does not show its bar; ";
        if (m_frame->IsFullScreenMode() && !(m_frame->menuBar()->isHidden() && m_frame->ControlsDock()->isHidden() &&
                                             m_frame->DisplayDock()->isHidden()))
            out << "full screen shows more than the view; ";
        if (!m_frame->IsFullScreenMode() && m_frame->menuBar()->isHidden())
            out << "menu bar hidden outside full screen; ";
        const bool paused = View().IsPaused();
        const int slowdown = m_lesson->Pace().Slowdown();
        const CDialogBar& display = *m_frame->DisplayBar();
        if (m_frame->MenuAction(CmdId::Pause)->isChecked() != paused ||
            display.Button(CmdId::StepTick)->isEnabled() != paused ||
            (display.Button(CmdId::Pause)->text() == QStringLiteral("Play")) != paused ||
            !display.Button(CmdId::kSpeeds[static_cast<std::size_t>(slowdown / 2)])->isChecked() ||
            View().TimerInterval() !=
                (paused ? 0 : CTarrowinView::kTickMs * (m_lesson->Pace().IsIntro() ? 1 : slowdown)))
            out << "the clock's controls or timer do not show paused " << paused << " at 1/" << slowdown << "; ";
        if (View().FrameImage().size() != ViewDeviceSize())
            out << "frame image " << View().FrameImage().width() << "x" << View().FrameImage().height()
                << " for a view of " << View().width() << "x" << View().height() << "; ";
        return out.str();
    }

    void TickAndCheck(long event)
    {
        Tick();
        ++m_ticks;
        m_viewSizes.insert({View().width(), View().height()});
        m_frameSizes.insert({m_frame->width(), m_frame->height()});
        const std::string mismatch = Mismatch();
        if (!mismatch.empty())
            FAIL() << "seed " << m_seed << ", event " << event << " (last input: " << m_history << "): " << mismatch;
    }

    void ClickControl()
    {
        const int id = kControlIds[Pick(kControlIds.size())];
        const bool doubleClick = Pick(5) == 0;
        QAbstractButton& button = Button(id);
        if (!button.isVisible() || !button.isEnabled())
            return Skip(kControl);
        m_history = "control " + std::to_string(id) + (doubleClick ? " double" : "");
        Click(id);
        if (doubleClick) {
            // What a real double click adds after the first click.
            const QPoint place(std::min(8, button.width() / 2), button.height() / 2);
            QTest::mouseDClick(&button, Qt::LeftButton, {}, place);
            QTest::mouseRelease(&button, Qt::LeftButton, {}, place);
        }
        ++m_applied[kControl];
    }

    void ClickChooser()
    {
        const auto catalogue = CircuitCatalogue();
        const int id = catalogue[Pick(catalogue.size())].nCommandId;
        QWidget* button = m_frame->Chooser()->Button(id);
        if (button == nullptr || !button->isVisible())
            return Skip(kChooser);
        m_history = "chooser " + std::to_string(id);
        QTest::mouseClick(button, Qt::LeftButton);
        ++m_applied[kChooser];
    }

    void TriggerMenu()
    {
        const int id = m_menuIds[Pick(m_menuIds.size())];
        if (m_frame->menuBar()->isHidden())
            return Skip(kMenu);   // full screen: only Escape is left to the user
        m_history = "menu " + std::to_string(id);
        m_frame->MenuAction(id)->trigger();
        ++m_applied[kMenu];
    }

    // The box is modal: the poll closes it from inside its own event loop,
    // the way the user would, after a few ticks and a resize behind it.
    void OpenAbout()
    {
        if (m_frame->menuBar()->isHidden())
            return Skip(kAbout);
        const int how = Pick(4);
        const int ticks = Pick(4);
        const QSize size = RandomSize();
        m_history = "About, closed by " + std::to_string(how);
        bool shown = false;
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dlg = dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget());
            if (dlg == nullptr || shown)
                return;
            shown = true;
            Tick(ticks);
            m_frame->resize(size);
            switch (how) {
            case 0: QTest::mouseClick(dlg->Page().Button(CmdId::AboutOk), Qt::LeftButton); break;
            case 1: QTest::keyClick(dlg, Qt::Key_Escape); break;
            case 2: QTest::keyClick(dlg, Qt::Key_Return); break;
            default: dlg->close(); break;
            }
        });
        poll.start();
        m_frame->MenuAction(CmdId::AppAbout)->trigger();
        poll.stop();
        EXPECT_TRUE(shown) << m_history;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << m_history;
        ++m_applied[kAbout];
    }

    void PressEscape()
    {
        const std::array<QWidget*, 4> targets{&View(), m_frame.get(), &Button(kControlIds[Pick(kControlIds.size())]),
                                              m_frame->Chooser()};
        const int target = Pick(targets.size());
        m_history = "Escape to " + std::to_string(target);
        QTest::keyClick(targets[target], Qt::Key_Escape);
        ++m_applied[kEscape];
    }

    void Resize(bool frame)
    {
        const QSize size = RandomSize();
        m_history = (frame ? "frame " : "view ") + std::to_string(size.width()) + "x" + std::to_string(size.height());
        if (frame)
            m_frame->resize(size);
        else
            View().resize(size);   // stays until the frame lays out again
        ++m_applied[frame ? kFrameSize : kViewSize];
    }

    // A key of the menus or Tab to the focused widget; sometimes
    // held down so that it repeats, and now and then "." a thousand times.
    void PressKey(bool mayRepeat = true)
    {
        QKeyCombination key = m_keys[Pick(m_keys.size())];
        int repeats = mayRepeat && Pick(6) == 0 ? 2 + Pick(40) : 0;
        if (mayRepeat && Pick(200) == 0) {
            key = QKeyCombination(Qt::Key_Period);
            repeats = 1000;
        }
        m_history = "key " + QKeySequence(key).toString().toStdString() + " repeated " + std::to_string(repeats);
        Press(key, repeats);
        ++m_applied[kKey];
    }

    void Skip(Kind kind) { ++m_skipped[kind]; }

    // The same place for every memory reading, so that only growth counts.
    // Each circuit keeps the frame bitmaps of the size it was last shown
    // at, so every one is shown once at the normal size.
    long SettledResidentKb()
    {
        m_frame->LeaveFullScreen();
        for (const int id : {CmdId::ViewChooser, CmdId::ViewControls, CmdId::ViewDisplay})
            if (!m_frame->MenuAction(id)->isChecked())
                m_frame->OnCommand(id);
        m_frame->setGeometry(kNormalGeometry);
        Settle();
        const CCircuit* current = &Circuit();
        int currentId = 0;
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
            if (m_doc->CircuitForCommand(entry.nCommandId) == current)
                currentId = entry.nCommandId;
            m_frame->OnCommand(entry.nCommandId);
            Tick();
        }
        m_frame->OnCommand(currentId);
        Tick();
        Settle();
        // A copied picture stays on the clipboard, as large as the view was: the user's, not growth.
        QGuiApplication::clipboard()->clear();
#ifdef __GLIBC__
        malloc_trim(0);   // what the allocator keeps for reuse is not growth
#endif
        return ResidentKb();
    }

    const long m_seed = EnvNumber("TARROWIN_RANDOM_SEED", 20240607);
    std::mt19937 m_rng{static_cast<std::mt19937::result_type>(m_seed)};
    std::vector<int> m_menuIds;
    std::vector<QKeyCombination> m_keys;
    std::array<long, kKindCount> m_applied{};
    std::array<long, kKindCount> m_skipped{};
    long m_ticks = 0;
    std::set<std::pair<int, int>> m_viewSizes;
    std::set<std::pair<int, int>> m_frameSizes;
    std::string m_history;
};

TEST_F(RandomInput, SeededClicksKeysResizesAndTicksKeepTheWindowSound)
{
    const long events = std::max(1L, EnvNumber("TARROWIN_RANDOM_EVENTS", kDefaultEvents));
    const long warmUp = std::max(1L, events / 5);
    //                                   tick menu about chooser control escape frame view key
    std::discrete_distribution<int> kind{{30, 14, 1, 10, 24, 6, 8, 4, 14}};
    const long startKb = ResidentKb();
    long warmKb = 0;

    for (long event = 0; event < events && !HasFatalFailure(); ++event) {
        switch (kind(m_rng)) {
        case kTick: {
            if (View().IsPaused() && Pick(3) == 0)
                m_frame->OnCommand(CmdId::Pause);   // the teacher plays on
            const int count = 1 + Pick(3);
            for (int i = 0; i < count && !HasFatalFailure(); ++i)
                TickAndCheck(event);
            ++m_applied[kTick];
            break;
        }
        case kMenu: TriggerMenu(); break;
        case kAbout: OpenAbout(); break;
        case kChooser: ClickChooser(); break;
        case kControl: ClickControl(); break;
        case kEscape: PressEscape(); break;
        case kFrameSize: Resize(true); break;
        case kViewSize: Resize(false); break;
        case kKey: PressKey(); break;
        }
        Settle();   // layout and paint, as the event loop would between inputs
        if (event + 1 == warmUp)
            warmKb = SettledResidentKb();
    }
    // After a failure only the warnings are worth reporting.
    const bool completed = !HasFatalFailure();
    long endKb = 0;
    if (completed) {
        TickAndCheck(events);
        endKb = SettledResidentKb();
    }
    m_viewSizes.insert({View().width(), View().height()});
    m_frameSizes.insert({m_frame->width(), m_frame->height()});

    std::vector<std::string> painting;
    std::map<std::string, int> other;
    {
        const std::lock_guard lock(g_logMutex);
        for (const std::string& msg : g_messages) {
            if (IsAboutPainting(msg))
                painting.push_back(msg);
            else if (!IsPlatformNoise(msg))
                ++other[msg];
        }
    }

    long applied = 0;
    long skipped = 0;
    for (int k = 0; k < kKindCount; ++k) {
        applied += m_applied[k];
        skipped += m_skipped[k];
    }
    // Smallest and largest by area, as "W x H to W x H".
    const auto range = [](const std::set<std::pair<int, int>>& sizes) {
        const auto [low, high] = std::minmax_element(
            sizes.begin(), sizes.end(), [](auto a, auto b) { return a.first * a.second < b.first * b.second; });
        return std::to_string(low->first) + "x" + std::to_string(low->second) + " to " + std::to_string(high->first) +
               "x" + std::to_string(high->second);
    };
    std::printf("[ figures  ] %ld events drawn, %ld applied, %ld skipped as out of the user's reach (menu %ld, "
                "About %ld, chooser %ld, controls %ld)\n",
                events, applied, skipped, m_skipped[kMenu], m_skipped[kAbout], m_skipped[kChooser],
                m_skipped[kControl]);
    std::printf("[ figures  ] tick runs %ld (%ld ticks), menu %ld, About %ld, chooser %ld, controls %ld, Escape %ld, "
                "keys %ld\n",
                m_applied[kTick], m_ticks, m_applied[kMenu], m_applied[kAbout], m_applied[kChooser],
                m_applied[kControl], m_applied[kEscape], m_applied[kKey]);
    std::printf("[ figures  ] sizes tried: %ld frame + %ld view resizes; ticked at %zu frame sizes (%s) and %zu "
                "view sizes (%s)\n",
                m_applied[kFrameSize], m_applied[kViewSize], m_frameSizes.size(), range(m_frameSizes).c_str(),
                m_viewSizes.size(), range(m_viewSizes).c_str());
    std::printf("[ figures  ] VmRSS start %ld kB, after warm-up (%ld events) %ld kB, end %ld kB\n", startKb, warmUp,
                warmKb, endKb);
    for (const auto& [msg, count] : other)
        std::printf("[ warning  ] %dx %s\n", count, msg.c_str());

    EXPECT_TRUE(painting.empty()) << painting.size() << " painting warnings, first: "
                                  << (painting.empty() ? std::string() : painting.front());
#ifndef TARROWIN_UNDER_ASAN
    // The sanitizer keeps freed memory in quarantine, so only a plain build
    // says anything about growth. Seeds differ by under 3 MB; a leak of
    // 4 kB a tick comes to over 10 MB here.
    if (completed) {
        EXPECT_LE(endKb, warmKb + 8 * 1024) << "memory grew over the run";
    }
#endif
}
