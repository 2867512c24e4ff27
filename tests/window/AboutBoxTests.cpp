// The About box from the Help menu, the notice picture, and the user guide
// that its link opens: where the program finds it and what it covers.
#include "WindowFixture.h"

#include "app/AboutDlg.h"
#include "platform/Resources.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/DialogLayouts.h"
#include "core/res/MenuTable.h"
#include "core/res/ResourceIds.h"
#include "view/PictureControl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <cstring>

namespace {

QString ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void WriteFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

int CountNonWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(255, 255, 255) ? 0 : 1;
    return count;
}

std::vector<CPictureControl*> Pictures(CAboutDlg& dlg)
{
    std::vector<CPictureControl*> pictures;
    for (QWidget* widget : dlg.findChildren<QWidget*>())
        if (auto* picture = dynamic_cast<CPictureControl*>(widget))
            pictures.push_back(picture);
    std::sort(pictures.begin(), pictures.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
    return pictures;
}

QPushButton* OkButton(CAboutDlg& dlg)
{
    return qobject_cast<QPushButton*>(dlg.Page().Control(CmdId::AboutOk));
}

}

// --- the box itself ---------------------------------------------------------

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dlg = std::make_unique<CAboutDlg>();
        m_dlg->Link().SetOpener([this](const QString& address) {
            m_opened.push_back(address);
            return CHyperLink::kOpened;
        });
    }

    void Show()
    {
        m_dlg->show();
        m_dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    std::unique_ptr<CAboutDlg> m_dlg;
    std::vector<QString> m_opened;
};

TEST_F(AboutBox, ShowsLogoNoticeLinkAndOkInsideTheBoxWithoutOverlap)
{
    Show();
    EXPECT_EQ(m_dlg->windowTitle(), QStringLiteral("About Tarrowin"));
    const std::vector<CPictureControl*> pictures = Pictures(*m_dlg);
    ASSERT_EQ(pictures.size(), 2u);
    const qreal dpr = m_dlg->devicePixelRatioF();
    EXPECT_EQ(pictures[0]->Image(), LoadResourceImage(ResId::Logo, dpr));
    EXPECT_EQ(pictures[1]->Image(), LoadResourceImage(ResId::Notice, dpr));
    EXPECT_EQ(pictures[0]->size(), QSize(298, 62)) << "the logo at its own size";
    EXPECT_EQ(pictures[1]->size(), QSize(298, 29)) << "the notice at its own size";

    CHyperLink& link = m_dlg->Link();
    QPushButton* ok = OkButton(*m_dlg);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(link.Text(), QStringLiteral("Tarrowin user guide"));
    EXPECT_EQ(m_dlg->Page().Control(CmdId::AboutLink), &link);
    EXPECT_TRUE(link.isVisible());
    EXPECT_TRUE(m_dlg->findChildren<QLabel*>().isEmpty()) << "the text control was replaced";
    // Names for screen readers.
    EXPECT_EQ(pictures[0]->accessibleName(), QStringLiteral("Tarrowin"));
    EXPECT_EQ(pictures[1]->accessibleName(), QStringLiteral("Tarrowin 1.0, free software under the MIT licence"));
    EXPECT_EQ(link.accessibleName(), QStringLiteral("Tarrowin user guide"));

    // Top to bottom, each whole inside the box, none over another.
    const QRect box = m_dlg->rect();
    const std::vector<QWidget*> order{pictures[0], pictures[1], &link, ok};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const QRect place(order[i]->mapTo(m_dlg.get(), QPoint(0, 0)), order[i]->size());
        EXPECT_TRUE(box.contains(place)) << i;
        if (i > 0) {
            const QRect above(order[i - 1]->mapTo(m_dlg.get(), QPoint(0, 0)), order[i - 1]->size());
            EXPECT_GE(place.top(), above.bottom()) << i;
        }
        // Centred across the box to within a few pixels of the layout's rounding.
        EXPECT_LE(std::abs(place.center().x() - box.center().x()), 8) << i;
    }
}

TEST_F(AboutBox, StandsOnWhite)
{
    Show();
    const QImage image = m_dlg->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Everywhere but the controls the box is white; the painter works in
    // the image's logical pixels.
    QImage rest = image;
    QPainter painter(&rest);
    for (QWidget* control : m_dlg->Page().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        painter.fillRect(QRect(control->mapTo(m_dlg.get(), QPoint(0, 0)), control->size()), Qt::white);
    painter.end();
    EXPECT_EQ(CountNonWhite(rest), 0);
    EXPECT_GT(CountNonWhite(image), 1000) << "the pictures, the link and OK show";
}

TEST_F(AboutBox, LinkOpensTheUserGuide)
{
    Show();
    const QString address = m_dlg->Link().LinkAddress();
    EXPECT_EQ(address, UserGuideAddress());
    const QUrl url(address);
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_TRUE(url.path().endsWith(QStringLiteral("/guide/index.html"))) << address.toStdString();
    EXPECT_EQ(m_dlg->Link().toolTip(), address);

    QTest::mouseClick(&m_dlg->Link(), Qt::LeftButton, {}, m_dlg->Link().rect().center());
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], address);
    EXPECT_TRUE(m_dlg->isVisible()) << "opening the guide leaves the box open";
}

TEST_F(AboutBox, TheKeyboardAloneReachesAndOpensTheLink)
{
    Show();
    EXPECT_TRUE(OkButton(*m_dlg)->hasFocus()) << "OK has the focus first";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(m_dlg->Link().hasFocus());
    QTest::keyClick(&m_dlg->Link(), Qt::Key_Space);
    QTest::keyClick(&m_dlg->Link(), Qt::Key_Return);
    EXPECT_EQ(m_opened.size(), 2u);
    EXPECT_TRUE(m_dlg->isVisible()) << "Return on the link opens the guide, not the default button";
}

TEST_F(AboutBox, EnterPressesOk)
{
    Show();
    QTest::keyClick(m_dlg.get(), Qt::Key_Return);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(m_dlg->result(), QDialog::Accepted);
    EXPECT_TRUE(m_opened.empty());
}

namespace {

class CMarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
};

}

TEST(AboutBoxText, EveryTextIsLookedUpForTranslation)
{
    CMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    {
        CAboutDlg dlg;
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("<About Tarrowin>"));
        EXPECT_EQ(OkButton(dlg)->text(), QStringLiteral("<OK>"));
        EXPECT_EQ(dlg.Link().Text(), QStringLiteral("<Tarrowin user guide>"));
        EXPECT_EQ(CHyperLink::FailureText(2), QStringLiteral("<The specified file was not found.>"));
    }
    QCoreApplication::removeTranslator(&translator);
}

// --- from the Help menu -----------------------------------------------------

TEST_F(WindowTest, HelpAboutOpensTheBoxModallyOverTheFrame)
{
    Show();
    QAction* about = m_frame->MenuAction(CmdId::AppAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isEnabled());

    bool bShown = false;
    bool bModal = false;
    QWidget* parent = nullptr;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dlg = dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
            bShown = true;
            bModal = dlg->isModal();
            parent = dlg->parentWidget();
            QTest::mouseClick(OkButton(*dlg), Qt::LeftButton);
        }
    });
    poll.start();
    about->trigger();
    poll.stop();
    EXPECT_TRUE(bShown);
    EXPECT_TRUE(bModal);
    EXPECT_EQ(parent, m_frame.get());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "OK closed it";
    for (QWidget* child : m_frame->findChildren<QWidget*>())
        EXPECT_EQ(dynamic_cast<CAboutDlg*>(child), nullptr) << "the box is gone once closed";
}

// --- the notice picture -----------------------------------------------------

TEST(NoticeArtwork, IsAOneLineNoticeAtEveryScale)
{
    for (const qreal scale : {1.0, 2.0}) {
        const QImage image = LoadResourceImage(ResId::Notice, scale);
        ASSERT_EQ(image.size(), QSize(298, 29) * scale);
        // A line of text has ink across most of the width and little of the height.
        QRect ink;
        for (int y = int(4 * scale); y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        EXPECT_GT(ink.width(), image.width() * 8 / 10) << scale;
        EXPECT_LT(ink.height(), image.height() / 2) << scale;
    }
}

// --- the user guide ---------------------------------------------------------

TEST(UserGuide, FoundBesideTheProgramThenInTheInstallTree)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QStringList candidates = UserGuideCandidates(bin);
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], root.filePath(QStringLiteral("bin/guide/index.html")));
    EXPECT_EQ(candidates[1], root.filePath(QStringLiteral("share/tarrowin/guide/index.html")));
    EXPECT_TRUE(QDir::isAbsolutePath(candidates[2]));

    // Nothing there: the install location, so a failure names it.
    if (!QFileInfo::exists(candidates[2])) {
        EXPECT_EQ(FindUserGuide(bin), candidates[1]);
    }
    WriteFile(candidates[1]);
    EXPECT_EQ(FindUserGuide(bin), candidates[1]);
    WriteFile(candidates[0]);
    EXPECT_EQ(FindUserGuide(bin), candidates[0]);
}

TEST(UserGuide, TheBuiltProgramFindsAnUpToDateCopy)
{
    const QString found = FindUserGuide(QStringLiteral(TARROWIN_PROGRAM_DIR));
    EXPECT_EQ(found, QDir(QStringLiteral(TARROWIN_PROGRAM_DIR)).filePath(QStringLiteral("guide/index.html")));
    const QString copy = ReadFile(found);
    EXPECT_FALSE(copy.isEmpty());
    EXPECT_EQ(copy, ReadFile(QStringLiteral(TARROWIN_GUIDE_SOURCE)));
}

TEST(UserGuide, CoversEveryCircuitControlAndMenuItem)
{
    const QString guide = ReadFile(QStringLiteral(TARROWIN_GUIDE_SOURCE));
    ASSERT_FALSE(guide.isEmpty());
    EXPECT_TRUE(guide.contains(QStringLiteral("<title>Tarrowin user guide</title>")));
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        EXPECT_TRUE(guide.contains(QStringLiteral("<h3>%1</h3>").arg(QString::fromUtf8(entry.pszMenuCaption))))
            << "no section for " << entry.pszMenuCaption;
    for (const CDialogLayout* layout : {&ControlsBarLayout(), &DisplayBarLayout()})
        for (const CDialogControl& control : layout->controls) {
            if (std::strlen(control.pszCaption) > 1) {
                EXPECT_TRUE(guide.contains(QStringLiteral("\"%1\"").arg(QString::fromUtf8(control.pszCaption))))
                    << "control " << control.pszCaption << " is not described";
            }
        }
    for (const CMenuEntry& menu : MainMenu())
        for (const CMenuItemEntry& item : menu.items) {
            if (item.pszCaption != nullptr) {
                EXPECT_TRUE(guide.contains(QString::fromUtf8(item.pszCaption).remove(QLatin1Char('&'))))
                    << "menu item " << item.pszCaption << " is not described";
            }
        }
    EXPECT_TRUE(guide.contains(QStringLiteral("make run")));
    EXPECT_TRUE(guide.contains(QStringLiteral("make test")));
}

TEST(UserGuide, IsOnePageThatNeedsNoNetwork)
{
    const QString guide = ReadFile(QStringLiteral(TARROWIN_GUIDE_SOURCE));
    ASSERT_FALSE(guide.isEmpty());
    static const QRegularExpression reference(QStringLiteral("(?:src|href)\\s*=\\s*\"([^\"]*)\""));
    int anchors = 0;
    for (const QRegularExpressionMatch& match : reference.globalMatch(guide)) {
        const QString target = match.captured(1);
        EXPECT_TRUE(target.startsWith(QLatin1Char('#'))) << "refers outside the page: " << target.toStdString();
        if (target.startsWith(QLatin1Char('#'))) {
            ++anchors;
            EXPECT_TRUE(guide.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))))
                << "no target for " << target.toStdString();
        }
    }
    EXPECT_GT(anchors, 0);
    EXPECT_FALSE(guide.contains(QStringLiteral("<link"), Qt::CaseInsensitive));
    EXPECT_FALSE(guide.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    EXPECT_FALSE(guide.contains(QStringLiteral("url("), Qt::CaseInsensitive));
}
