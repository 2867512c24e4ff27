#include "app/TarrowinApp.h"

#include "app/MainFrame.h"
#include "document/TarrowinDoc.h"
#include "res/Strings.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTranslator>

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

}

CTarrowinApp::CTarrowinApp(int& argc, char** argv) : QApplication(argc, argv) {}

CTarrowinApp::~CTarrowinApp()
{
    // The frame and its view go before the document they point into.
    m_pFrame.reset();
    m_pDoc.reset();
}

bool CTarrowinApp::InitInstance()
{
    // The settings key; the program stores nothing under it.
    setOrganizationName(QString::fromLatin1(Strings::kSettingsKey));
    setApplicationName(QString::fromLatin1(Strings::kSettingsKey));
    setApplicationVersion(QStringLiteral("1.0.0"));
    // Matches the installed desktop file, so docks and task bars show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarrowin.Tarrowin"));
    setWindowIcon(ApplicationIcon());

    // A translation for the user's language, when one is installed with the
    // program; the source texts are shown otherwise.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(), QStringLiteral("tarrowin"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        installTranslator(translator);
        // Qt's own words (the buttons of message boxes, the file dialog) in
        // the same language, when Debian's qt6-translations-l10n is there.
        auto* qtTranslator = new QTranslator(this);
        if (qtTranslator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installTranslator(qtTranslator);
    }

    m_pDoc = std::make_unique<CTarrowinDoc>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pDoc);
    if (!m_pDoc->OnNewDocument())
        return false;

    // Without a window manager a maximise request is only a hint, so the
    // window takes the screen's working area first.
    if (QScreen* screen = m_pFrame->screen())
        m_pFrame->setGeometry(screen->availableGeometry());
    m_pFrame->showMaximized();
    return true;
}
