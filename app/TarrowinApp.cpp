#include "app/TarrowinApp.h"

#include "platform/QtWords.h"

#include "app/AppSettings.h"
#include "app/LaunchOptions.h"
#include "app/MainFrame.h"
#include "core/lesson/Lesson.h"
#include "core/res/Strings.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QSettings>
#include <QSvgRenderer>
#include <QTranslator>

#include <cstdio>

namespace {

QIcon ApplicationIcon()
{
    QIcon icon;
    QSvgRenderer renderer(QStringLiteral(":/artwork/tarrowin.svg"));
    if (!renderer.isValid())
        return icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The names the settings and the version are known by, and the user's
// language: for the screen-free first look at the command line as for the
// application itself.
void Identify(QCoreApplication& app)
{
    // The settings key: the file is ~/.config/tarrowin/tarrowin.conf.
    QCoreApplication::setOrganizationName(QString::fromLatin1(Strings::kSettingsKey));
    QCoreApplication::setApplicationName(QString::fromLatin1(Strings::kSettingsKey));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARROWIN_VERSION));
    // The core's words through the same translators as the window's.
    UseQtWords();

    // A translation for the user's language, when one is installed with the
    // program; the source texts are shown otherwise.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("tarrowin"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(translator);
        // Qt's own words (the buttons of message boxes, the file dialog) in
        // the same language, when Debian's qt6-translations-l10n is there.
        auto* qtTranslator = new QTranslator(&app);
        if (qtTranslator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTranslator);
    }
}

// Prints what ends the program, and says with which status.
std::optional<int> Ending(const CLaunchOptions& options)
{
    if (options.exitStatus)
        std::fputs(qUtf8Printable(options.message), *options.exitStatus == 0 ? stdout : stderr);
    return options.exitStatus;
}

}

CTarrowinApp::CTarrowinApp(int& argc, char** argv) : QApplication(argc, argv) {}

CTarrowinApp::~CTarrowinApp()
{
    // The frame and its view go before the lesson they point into.
    m_pFrame.reset();
    m_pSettings.reset();
    m_pLesson.reset();
}

std::optional<int> CTarrowinApp::AnswerWithoutScreen(int argc, char** argv, const QStringList& ownArguments)
{
    QCoreApplication first(argc, argv);
    Identify(first);
    return Ending(CLaunchOptions::Parse(first.arguments() + ownArguments, CLaunchOptions::QtOptionsUnread));
}

std::optional<int> CTarrowinApp::InitInstance(const QStringList& ownArguments)
{
    Identify(*this);
    // Matches the installed desktop file, so docks and task bars show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarrowin.Tarrowin"));
    setWindowIcon(ApplicationIcon());

    // Before any window: a bad argument ends the program with one line.
    const CLaunchOptions options = CLaunchOptions::Parse(arguments() + ownArguments);
    if (const auto status = Ending(options))
        return status;

    m_pLesson = std::make_unique<CLesson>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pLesson);
    m_pSettings = std::make_unique<CAppSettings>(QSettings().fileName());
    m_pFrame->SetSettings(m_pSettings.get());
    // A maximised window opens as at the first start, on the working area.
    if (Restore(*m_pFrame, *m_pSettings, options) && !m_pFrame->isMaximized())
        m_pFrame->show();
    else
        CAppSettings::ShowAtStartPlace(*m_pFrame);
    return std::nullopt;
}

bool CTarrowinApp::Restore(CMainFrame& frame, const CAppSettings& settings, const CLaunchOptions& options)
{
    CAppSettings::CStored stored = settings.Read();
    // The command line wins over what was remembered.
    stored.lesson.Read(options.SettingsPairs());
    frame.ApplySettings(stored.lesson);
    if (options.bFullScreen)
        frame.EnterFullScreenAtFirstFrame();
    // After the bars, so that the docks' state agrees with them.
    const bool placed = frame.RestoreWindow(stored.geometry, stored.state, stored.ignored);
    settings.WarnIgnored(stored.ignored);
    return placed;
}
