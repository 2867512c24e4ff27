// What the program remembers, in a temporary folder, never the user's file:
// chosen in one window and put back in the next, the command line over it, a
// damaged file or a value out of range left out with one warning, and "Reset
// to Defaults".
#include "WindowFixture.h"

#include "app/AppSettings.h"
#include "app/LaunchOptions.h"
#include "app/TarrowinApp.h"
#include "core/circuits/CircuitCatalogue.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <map>

namespace {

QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void CatchWarning(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (type == QtWarningMsg && msg.contains(QLatin1String("settings")))
        g_warnings << msg;
    else
        g_previousHandler(type, context, msg);
}

}

class Settings : public WindowTest {
protected:
    // A start as the program's: the remembered choices with the options over them, then the window.
    void Start(const CLaunchOptions& options = {}, const char* file = nullptr)
    {
        if (file != nullptr) {
            QFile written(m_file);
            ASSERT_TRUE(written.open(QIODevice::WriteOnly | QIODevice::Truncate) && written.write(file) > 0);
        }
        m_settings.reset();
        TearDown();
        SetUp();
        m_settings = std::make_unique<CAppSettings>(m_file);
        m_frame->SetSettings(m_settings.get());
        g_warnings.clear();
        g_previousHandler = qInstallMessageHandler(CatchWarning);
        if (!CTarrowinApp::Restore(*m_frame, *m_settings, options))
            m_frame->setGeometry(kNormalGeometry);
        qInstallMessageHandler(g_previousHandler);
        m_frame->show();
        Tick(2);
    }

    // The check marks of every remembered choice.
    std::map<int, bool> Choices() const
    {
        std::map<int, bool> checked;
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
            checked[entry.nCommandId] = m_frame->CommandState(entry.nCommandId)->bChecked;
        for (int id : {CmdId::DisplayBallModel, CmdId::DisplayDiagram, CmdId::DisplayPicture, CmdId::ShowLabels,
                       CmdId::SpeedNormal, CmdId::SpeedHalf, CmdId::SpeedQuarter, CmdId::PaletteStandard,
                       CmdId::PaletteColourBlind, CmdId::ViewChooser, CmdId::ViewControls, CmdId::ViewDisplay,
                       CmdId::ViewMeasurements})
            checked[id] = m_frame->CommandState(id)->bChecked;
        return checked;
    }

    QTemporaryDir m_dir;
    const QString m_file = m_dir.filePath(QStringLiteral("tarrowin.conf"));
    std::unique_ptr<CAppSettings> m_settings;
};

TEST_F(Settings, RememberedAtCloseOptionsWinBadFilesAreLeftOutAndResetForgets)
{
    Start();
    const std::map<int, bool> defaults = Choices();
    for (const int id : {CmdId::TwoBulbsParallel, CmdId::DisplayDiagram, CmdId::ShowLabels, CmdId::SpeedQuarter,
                         CmdId::PaletteColourBlind, CmdId::ViewChooser, CmdId::ViewMeasurements})
        m_frame->MenuAction(id)->trigger();
    m_frame->setGeometry(QRect(30, 40, 760, 540));
    Settle();
    const QRect place = m_frame->geometry();
    const std::map<int, bool> chosen = Choices();
    // Closed from full screen, the window is remembered as it was before.
    m_frame->OnCommand(CmdId::FullScreen);
    ASSERT_TRUE(m_frame->IsFullScreenMode());
    m_frame->close();
    Start();
    EXPECT_EQ(Choices(), chosen);
    EXPECT_EQ(m_frame->geometry(), place);

    // The command line wins; what it leaves alone stays remembered.
    m_frame->close();
    CLaunchOptions options;
    std::tie(options.circuit, options.display, options.cells) = std::tuple(5, DisplayMode::BallModel, 0);
    Start(options);
    std::map<int, bool> expected = chosen;
    expected[CmdId::TwoBulbsParallel] = expected[CmdId::DisplayDiagram] = false;
    expected[CmdId::BulbSwitch] = expected[CmdId::DisplayBallModel] = true;
    EXPECT_EQ(Choices(), expected);
    EXPECT_EQ(Circuit().GetCells(), 0);
    EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join(u'\n').toStdString();

    m_frame->MenuAction(CmdId::ResetDefaults)->trigger();
    EXPECT_EQ(Choices(), defaults);
    EXPECT_TRUE(QSettings(m_file, QSettings::NativeFormat).allKeys().isEmpty());

    // Values out of range are left out and named in one warning; the others are taken.
    Start({}, "[General]\ncircuit=15\ndisplay=picture\nspeed=fast\nlabels=yes\n[window]\ngeometry=@ByteArray(x)\n");
    ASSERT_EQ(g_warnings.size(), 1);
    EXPECT_TRUE(g_warnings[0].contains(QLatin1String("circuit=15, labels=yes, speed=fast, window/geometry")))
        << g_warnings[0].toStdString();
    expected = defaults;
    std::tie(expected[CmdId::DisplayBallModel], expected[CmdId::DisplayPicture]) = std::pair(false, true);
    EXPECT_EQ(Choices(), expected);

    // A damaged file: one warning, the defaults, and a sound file written at the close.
    Start({}, "[General\ncircuit=3\n\x01\xff\n");
    EXPECT_EQ(g_warnings.size(), 1);
    EXPECT_EQ(Choices(), defaults);
    m_frame->close();
    EXPECT_EQ(QSettings(m_file, QSettings::NativeFormat).value(QStringLiteral("circuit")), QStringLiteral("1"));
}
