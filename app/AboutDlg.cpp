#include "app/AboutDlg.h"

#include "app/DialogBar.h"
#include "core/res/CommandIds.h"
#include "core/res/DialogLayouts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QUrl>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    const CDialogLayout& layout = AboutBoxLayout();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QCoreApplication::translate(kDialogBarContext, layout.pszCaption));
    // A fixed frame with a caption and a close box: nothing to resize or minimise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    m_pPage = new CDialogBar(
        layout,
        [this](int id) {
            if (id == CmdId::AboutOk)
                accept();
        },
        this);
    setFixedSize(m_pPage->size());

    // The text control of the layout becomes the link.
    if (auto* text = qobject_cast<QLabel*>(m_pPage->Control(CmdId::AboutLink))) {
        m_wndLink.Attach(*text);
        m_pPage->ReplaceControl(CmdId::AboutLink, &m_wndLink);
    }
    m_wndLink.SetLinkAddress(UserGuideAddress());
}

void CAboutDlg::paintEvent(QPaintEvent*)
{
    // The pictures are drawn on white; the dialog around them is white too.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
}

QStringList UserGuideCandidates(const QString& appDir)
{
    const QDir dir(appDir);
    return {
        QDir::cleanPath(dir.filePath(QStringLiteral(TARROWIN_GUIDE_BUILD_PATH))),
        QDir::cleanPath(dir.filePath(QStringLiteral(TARROWIN_GUIDE_INSTALL_RELATIVE))),
        QStringLiteral(TARROWIN_GUIDE_INSTALL_ABSOLUTE),
    };
}

QString FindUserGuide(const QString& appDir)
{
    const QStringList candidates = UserGuideCandidates(appDir);
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return candidates.at(1);
}

QString UserGuideAddress()
{
    return QUrl::fromLocalFile(FindUserGuide(QCoreApplication::applicationDirPath())).toString();
}
