#pragma once

#include "app/DialogBar.h"
#include "app/MainFrame.h"
#include "core/lesson/Lesson.h"
#include "core/pictures/MeterDial.h"
#include "core/res/CommandIds.h"
#include "platform/RasterSurface.h"
#include "tests/TestSupport.h"
#include "view/TarrowinView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLayout>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

// One of the shipped translations, installed while it lives; the source
// texts for "".
class CShippedLanguage {
public:
    explicit CShippedLanguage(const std::string& language)
    {
        if (!language.empty())
            m_bMissing = !m_translator.load(QStringLiteral(":/i18n/tarrowin_") + QString::fromStdString(language)) ||
                         !QCoreApplication::installTranslator(&m_translator);
    }
    ~CShippedLanguage() { QCoreApplication::removeTranslator(&m_translator); }
    CShippedLanguage(const CShippedLanguage&) = delete;
    CShippedLanguage& operator=(const CShippedLanguage&) = delete;

    bool IsMissing() const { return m_bMissing; }

private:
    QTranslator m_translator;
    bool m_bMissing = false;
};

// The meter as the view draws it on a canvas of the dial's size at a device
// pixel ratio; with a last reading, the needle moved there from the first
// (moved: the part redrawn, in logical pixels).
inline QImage DialShowing(qreal dpr, double reading, std::optional<double> last = {}, QRect* moved = nullptr)
{
    QImage canvas(QSize(MeterDial::kSize, MeterDial::kSize) * dpr, QImage::Format_RGB32);
    {
        CRasterSurface surface(canvas);
        const std::unique_ptr<CBitmap> dial = MeterDial::BuildDial(surface, canvas.width());
        MeterDial::DrawWithNeedle(surface, *dial, reading);
        if (last) {
            const CRect area = MeterDial::MoveNeedle(surface, *dial, reading, *last);
            if (moved != nullptr)
                *moved =
                    QRectF(area.left / dpr, area.top / dpr, area.Width() / dpr, area.Height() / dpr).toAlignedRect();
        }
    }
    canvas.setDevicePixelRatio(dpr);
    return canvas;
}

// A document and a main frame built as start-up builds them, from the
// program's fresh random state. Ticks are run by hand through OnTimer: the
// real timer only fires inside an event loop, and its splash period is far
// longer than any test.
class WindowTest : public ::testing::Test {
protected:
    // A normal, non-maximised place; the bars need more height than the
    // offscreen screen has, which the window may exceed.
    static constexpr QRect kNormalGeometry{40, 30, 1200, 900};

    static constexpr std::array kSyncedIds{CmdId::DisplayBallModel, CmdId::DisplayDiagram, CmdId::DisplayPicture,
                                           CmdId::TagElectron,      CmdId::ShowLabels,     CmdId::VaryMeanSpeed,
                                           CmdId::Pulsate,          CmdId::Cells0,         CmdId::Cells1,
                                           CmdId::Cells2,           CmdId::Cells3};

    void SetUp() override
    {
        RestartProgramState();
        m_lesson = std::make_unique<CLesson>();
        m_doc = &m_lesson->Doc();
        m_frame = std::make_unique<CMainFrame>(*m_lesson);
    }

    void TearDown() override
    {
        m_frame.reset();   // it points into the lesson
        m_lesson.reset();
    }

    void Show()
    {
        m_frame->setGeometry(kNormalGeometry);
        m_frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        Settle();
    }

    // Lets pending layout and window-system events through.
    void Settle()
    {
        QCoreApplication::processEvents();
        m_frame->layout()->activate();
    }

    // Shown, active and with the keys on the view, as after a click on it.
    void ShowActive()
    {
        Show();
        m_frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
        View().setFocus();
        Settle();
    }

    // A key to the focused widget as a keyboard sends it, held for `repeats` more presses.
    void Press(QKeyCombination key, int repeats = 0)
    {
        const bool printable = key.key() < Qt::Key_Escape && key.keyboardModifiers() == Qt::NoModifier;
        const QString text = printable ? QString(QChar(key.key())).toLower() : QString();
        const auto target = [this] {
            return QApplication::focusWidget() ? QApplication::focusWidget() : m_frame.get();
        };
        for (int i = 0; i <= repeats; ++i)
            QTest::simulateEvent(target(), true, key.key(), key.keyboardModifiers(), text, i > 0);
        QTest::simulateEvent(target(), false, key.key(), key.keyboardModifiers(), text, false);
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            View().OnTimer();
    }

    CTarrowinView& View() { return *m_frame->View(); }
    CDialogBar& Controls() { return *m_frame->ControlsBar(); }
    CCircuit& Circuit() { return *m_doc->GetCurrentCircuit(); }

    QAbstractButton& Button(int id)
    {
        if (QAbstractButton* button = Controls().Button(id))
            return *button;
        throw std::runtime_error("no button " + std::to_string(id));
    }

    bool Checked(int id) { return Button(id).isChecked(); }

    // Which of the buttons that the view syncs are checked.
    std::set<int> CheckedSyncedIds()
    {
        std::set<int> checked;
        for (const int id : kSyncedIds)
            if (Checked(id))
                checked.insert(id);
        return checked;
    }

    static std::set<int> StartUpChecked() { return {CmdId::Cells1, CmdId::DisplayBallModel, CmdId::Pulsate}; }

    // Near the left edge: a check box takes clicks only on its box and text,
    // and a short caption leaves the middle of its rectangle empty.
    void Click(int id)
    {
        QAbstractButton& button = Button(id);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(std::min(8, button.width() / 2), button.height() / 2));
    }

    // What a tick leaves behind, to the last bit: electrons, cues, meter, intro.
    std::string TickState()
    {
        std::ostringstream out;
        out << std::hexfloat << View().Meter().Accumulator() << ' ' << View().Meter().LastReading() << ' '
            << Circuit().GetIntroFrames() << ' ' << Circuit().StepTickCounter() << ' ' << View().TickCount();
        for (const CElectron& e : Circuit().Electrons())
            out << ';' << e.m_x << ' ' << e.m_y << ' ' << e.m_vx << ' ' << e.m_vy << ' ' << e.m_nGlow << ' '
                << e.m_nPhase << ' ' << e.m_nFlash << e.m_bHalf1 << e.m_bHalf2;
        return out.str();
    }

    QSize ViewDeviceSize()
    {
        const qreal dpr = View().devicePixelRatioF();
        return QSize(qRound(View().width() * dpr), qRound(View().height() * dpr));
    }

    std::unique_ptr<CLesson> m_lesson;
    const CTarrowinDoc* m_doc = nullptr;
    std::unique_ptr<CMainFrame> m_frame;
};
