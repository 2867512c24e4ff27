// The link control: its colours, the text control it takes over, size to
// text, mouse, keyboard and focus, and what happens when an address cannot be
// opened. Nothing real is opened: every link gets a recording opener.
#include "app/HyperLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr auto kAddress = "file:///usr/share/tarrowin/guide/index.html";
constexpr auto kText = "Tarrowin user guide";
constexpr QRect kPlace{40, 30, 300, 40};

using S = CHyperLink::StyleFlag;

// What a modal message box said, answered with OK as soon as it shows.
struct CModalBox {
    bool bShown = false;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

template <typename F>
CModalBox AnswerMessageBox(F&& action)
{
    CModalBox seen;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {true, box->text(), box->icon()};
            box->accept();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

// Stands in for the desktop's handler of file addresses.
class CFileUrlHandler : public QObject {
    Q_OBJECT
public:
    CFileUrlHandler() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~CFileUrlHandler() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

}

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_host = std::make_unique<QWidget>();
        m_host->resize(400, 200);
        m_other = new QPushButton(QStringLiteral("other"), m_host.get());
        m_other->setGeometry(10, 150, 100, 30);
    }

    // A text control at kPlace that a new link takes over, as a dialog's
    // page does; the link's opener records every address and answers with
    // m_nOpenResult.
    CHyperLink& MakeLink(int style = CHyperLink::kDefaultStyle, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                         const QString& text = QString::fromLatin1(kText),
                         const QString& address = QString::fromLatin1(kAddress))
    {
        auto* label = new QLabel(text, m_host.get());
        label->setAlignment(alignment);
        label->setGeometry(kPlace);
        m_link = new CHyperLink();
        m_link->SetLinkStyle(style);
        m_link->SetOpener([this](const QString& opened) {
            m_opened.push_back(opened);
            return m_nOpenResult;
        });
        m_link->Attach(*label);
        delete label;
        if (!address.isEmpty())
            m_link->SetLinkAddress(address);
        return *m_link;
    }

    void ShowActive()
    {
        m_host->show();
        m_host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_host.get()));
    }

    QPoint Inside() const { return m_link->rect().center(); }

    void MouseMove(QPoint pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, m_link->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_link, &move);
    }

    void Key(int key, bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(m_link, &press);
    }

    std::unique_ptr<QWidget> m_host;
    QPushButton* m_other = nullptr;
    CHyperLink* m_link = nullptr;   // owned by m_host once attached
    std::vector<QString> m_opened;
    int m_nOpenResult = CHyperLink::kOpened;
};

// --- colours ----------------------------------------------------------------

TEST(HyperLinkColour, FirstMatchingRuleWinsForEveryStateAndFlag)
{
    const QColor link = CHyperLink::kLinkColour, focus = CHyperLink::kFocusColour, visited = CHyperLink::kVisitedColour,
                 hover = CHyperLink::kHoverColour;
    EXPECT_EQ(link, QColor(0, 0, 255));
    EXPECT_EQ(focus, QColor(0, 128, 128));
    EXPECT_EQ(visited, QColor(128, 0, 128));
    EXPECT_EQ(hover, QColor(255, 0, 0));

    struct Row {
        bool over, focused, visited;
        // Expected with: no colour flag, HoverColour, NoFocusColour, both.
        std::array<QColor, 4> expected;
    };
    // clang-format off
    const Row rows[] = {
        {false, false, false, {link, link, link, link}},
        {false, false, true, {visited, visited, visited, visited}},
        {false, true, false, {focus, focus, link, link}},
        {false, true, true, {focus, focus, visited, visited}},
        {true, false, false, {link, hover, link, hover}},
        {true, false, true, {visited, hover, visited, hover}},
        {true, true, false, {focus, hover, link, hover}},
        {true, true, true, {focus, hover, visited, hover}},
    };
    // clang-format on
    const int colourFlags[] = {0, S::HoverColour, S::NoFocusColour, S::HoverColour | S::NoFocusColour};
    // The other flags never change a colour.
    const int otherFlags[] = {0, S::Underline | S::SizeToText | S::OpenOnPress | S::FocusOnPress | S::NoHandCursor};
    for (const Row& row : rows)
        for (int i = 0; i < 4; ++i)
            for (const int other : otherFlags)
                EXPECT_EQ(CHyperLink::ColourFor(row.over, row.focused, row.visited, colourFlags[i] | other),
                          row.expected[i])
                    << "over " << row.over << " focused " << row.focused << " visited " << row.visited << " style "
                    << (colourFlags[i] | other);
}

namespace {

int CountColour(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return count;
}

}

TEST_F(HyperLinkTest, PaintsItsTextInTheColourOfItsState)
{
    MakeLink(CHyperLink::kDefaultStyle | S::HoverColour);
    ShowActive();
    const std::array all{CHyperLink::kLinkColour, CHyperLink::kFocusColour, CHyperLink::kVisitedColour,
                         CHyperLink::kHoverColour};
    auto expectPainted = [&](const QColor& expected, const char* state) {
        const QImage image = m_link->grab().toImage();
        for (const QColor& colour : all) {
            if (colour == expected)
                EXPECT_GT(CountColour(image, colour), 20) << state;
            else
                EXPECT_EQ(CountColour(image, colour), 0) << state << ": " << colour.name().toStdString();
        }
    };

    expectPainted(CHyperLink::kLinkColour, "fresh");
    MouseMove(Inside());
    expectPainted(CHyperLink::kHoverColour, "hover");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_link, &leave);
    expectPainted(CHyperLink::kLinkColour, "left");
    m_link->setFocus();
    expectPainted(CHyperLink::kFocusColour, "focused");
    m_link->OpenLink();
    m_other->setFocus();
    expectPainted(CHyperLink::kVisitedColour, "visited");
}

// --- taking over a text control --------------------------------------------

TEST_F(HyperLinkTest, TakesOverTheTextControlWithAnUnderlinedCopyOfItsFont)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(13);
    m_host->setFont(font);
    CHyperLink& link =
        MakeLink(CHyperLink::kDefaultStyle, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kText), QString());
    EXPECT_TRUE(link.IsAttached());
    EXPECT_EQ(link.parentWidget(), m_host.get());
    EXPECT_EQ(link.Text(), QString::fromLatin1(kText));
    EXPECT_EQ(link.LinkAddress(), QString::fromLatin1(kText)) << "no address: the text is the address";
    EXPECT_EQ(link.font().family(), font.family());
    EXPECT_EQ(link.font().pointSize(), 13);
    EXPECT_TRUE(link.font().underline());
    EXPECT_FALSE(m_host->font().underline()) << "the font is a copy";
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.toolTip(), QString::fromLatin1(kText));

    link.SetLinkAddress(QString::fromLatin1(kAddress));
    EXPECT_EQ(link.LinkAddress(), QString::fromLatin1(kAddress));
    EXPECT_EQ(link.toolTip(), QString::fromLatin1(kAddress));
    EXPECT_EQ(link.Text(), QString::fromLatin1(kText)) << "a new address keeps the text";
    EXPECT_FALSE(link.isHidden());
}

TEST_F(HyperLinkTest, AnEmptyTextShowsTheAddress)
{
    auto* label = new QLabel(m_host.get());
    label->setGeometry(kPlace);
    auto* link = new CHyperLink();
    link->SetLinkAddress(QString::fromLatin1(kAddress));
    link->Attach(*label);
    delete label;
    EXPECT_EQ(link->Text(), QString::fromLatin1(kAddress));
    EXPECT_EQ(link->LinkAddress(), QString::fromLatin1(kAddress));
    EXPECT_EQ(link->width(), QFontMetrics(link->font()).horizontalAdvance(QString::fromLatin1(kAddress)));
}

TEST_F(HyperLinkTest, StyleFlagsTurnOffUnderlineAndHand)
{
    CHyperLink& link = MakeLink(S::SizeToText | S::FocusOnPress | S::NoHandCursor);
    EXPECT_FALSE(link.font().underline());
    EXPECT_NE(link.cursor().shape(), Qt::PointingHandCursor);
    link.SetLinkStyle(CHyperLink::kDefaultStyle);
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
}

// --- size to text -----------------------------------------------------------

struct SizeCase {
    const char* name;
    Qt::Alignment alignment;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class HyperLinkSize : public HyperLinkTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(HyperLinkSize, ShrinksToItsTextKeepingTheAlignedEdge)
{
    const Qt::Alignment alignment = GetParam().alignment;
    CHyperLink& link = MakeLink(CHyperLink::kDefaultStyle, alignment);
    const QFontMetrics metrics(link.font());
    const int textWidth = metrics.horizontalAdvance(QString::fromLatin1(kText));
    ASSERT_LT(textWidth, kPlace.width() - 20) << "the case needs room to shrink";
    const QRect place = link.geometry();
    EXPECT_EQ(place.width(), textWidth);
    EXPECT_EQ(place.height(), metrics.height());

    if (alignment & Qt::AlignHCenter)
        EXPECT_LE(std::abs(2 * place.left() + place.width() - (2 * kPlace.left() + kPlace.width())), 1);
    else if (alignment & Qt::AlignRight)
        EXPECT_EQ(place.left() + place.width(), kPlace.left() + kPlace.width());
    else
        EXPECT_EQ(place.left(), kPlace.left());

    if (alignment & Qt::AlignVCenter)
        EXPECT_LE(std::abs(2 * place.top() + place.height() - (2 * kPlace.top() + kPlace.height())), 1);
    else
        EXPECT_EQ(place.top(), kPlace.top());
}

INSTANTIATE_TEST_SUITE_P(Alignments, HyperLinkSize,
                         ::testing::Values(SizeCase{"left", Qt::AlignLeft | Qt::AlignTop},
                                           SizeCase{"centred", Qt::AlignHCenter | Qt::AlignTop},
                                           SizeCase{"right", Qt::AlignRight | Qt::AlignTop},
                                           SizeCase{"centred_both_ways", Qt::AlignCenter},
                                           SizeCase{"right_middle", Qt::AlignRight | Qt::AlignVCenter}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HyperLinkTest, WithoutSizeToTextKeepsItsPlace)
{
    CHyperLink& link = MakeLink(S::Underline | S::FocusOnPress, Qt::AlignHCenter);
    EXPECT_EQ(link.geometry(), kPlace);
}

// --- mouse, keyboard and focus ------------------------------------------------

TEST_F(HyperLinkTest, ClickTakesFocusAndOpensOnReleaseThenSpaceOpensAgain)
{
    CHyperLink& link = MakeLink();
    ShowActive();

    QTest::mousePress(&link, Qt::LeftButton, {}, Inside());
    EXPECT_TRUE(link.hasFocus());
    EXPECT_TRUE(link.IsFocused());
    EXPECT_TRUE(m_opened.empty()) << "the press alone opens nothing";
    EXPECT_EQ(link.TextColour(), CHyperLink::kFocusColour);

    QTest::mouseRelease(&link, Qt::LeftButton, {}, Inside());
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], QString::fromLatin1(kAddress));
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(link.TextColour(), CHyperLink::kFocusColour) << "focus outranks visited";

    QTest::keyClick(&link, Qt::Key_Space);
    EXPECT_EQ(m_opened.size(), 2u);

    m_other->setFocus();
    EXPECT_FALSE(link.IsFocused());
    EXPECT_EQ(link.TextColour(), CHyperLink::kVisitedColour);
}

TEST_F(HyperLinkTest, PressFlagsDecideWhenItOpensAndWhetherItTakesTheFocus)
{
    CHyperLink& onPress = MakeLink(CHyperLink::kDefaultStyle | S::OpenOnPress);
    ShowActive();
    QTest::mousePress(&onPress, Qt::LeftButton, {}, Inside());
    EXPECT_EQ(m_opened.size(), 1u);
    QTest::mouseRelease(&onPress, Qt::LeftButton, {}, Inside());
    EXPECT_EQ(m_opened.size(), 1u) << "opened on the press only";

    CHyperLink& noFocus = MakeLink(S::Underline | S::SizeToText);
    m_other->setFocus();
    QTest::mouseClick(&noFocus, Qt::LeftButton, {}, Inside());
    EXPECT_EQ(m_opened.size(), 2u);
    EXPECT_TRUE(m_other->hasFocus());
    EXPECT_FALSE(noFocus.IsFocused());
    EXPECT_EQ(noFocus.TextColour(), CHyperLink::kVisitedColour) << "no focus colour without the focus";
}

TEST_F(HyperLinkTest, ReleasingOffTheTextCancelsAndOtherButtonsDoNothing)
{
    CHyperLink& link = MakeLink();
    ShowActive();
    QTest::mousePress(&link, Qt::LeftButton, {}, Inside());
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(link.width() + 15, link.height() / 2));
    QTest::mouseClick(&link, Qt::RightButton, {}, Inside());
    QTest::mouseClick(&link, Qt::MiddleButton, {}, Inside());
    EXPECT_TRUE(m_opened.empty());
    EXPECT_FALSE(link.IsVisited());
}

TEST_F(HyperLinkTest, AFreshSpaceReturnOrEnterOpens)
{
    CHyperLink& link = MakeLink();
    ShowActive();
    link.setFocus();
    Key(Qt::Key_Space);
    Key(Qt::Key_Space, true);
    Key(Qt::Key_Space, true);
    EXPECT_EQ(m_opened.size(), 1u) << "holding the space bar opens once";
    Key(Qt::Key_Return);
    Key(Qt::Key_A);
    Key(Qt::Key_Return, true);
    Key(Qt::Key_Enter);
    EXPECT_EQ(m_opened.size(), 3u);
}

TEST_F(HyperLinkTest, HoverChangesNoColourWithDefaultFlags)
{
    CHyperLink& link = MakeLink();
    ShowActive();
    MouseMove(Inside());
    EXPECT_TRUE(link.IsOver());
    EXPECT_EQ(link.TextColour(), CHyperLink::kLinkColour);
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.toolTip(), QString::fromLatin1(kAddress));
    MouseMove(QPoint(-5, -5));
    EXPECT_FALSE(link.IsOver());
}

TEST_F(HyperLinkTest, HoverColourLastsUntilTheMouseOrTheFocusGoes)
{
    CHyperLink& link = MakeLink(CHyperLink::kDefaultStyle | S::HoverColour);
    ShowActive();
    MouseMove(Inside());
    EXPECT_EQ(link.TextColour(), CHyperLink::kHoverColour);
    MouseMove(Inside() + QPoint(1, 0));
    EXPECT_EQ(link.TextColour(), CHyperLink::kHoverColour);
    MouseMove(QPoint(link.width() + 3, 0));
    EXPECT_EQ(link.TextColour(), CHyperLink::kLinkColour);

    MouseMove(Inside());
    link.setFocus();
    EXPECT_EQ(link.TextColour(), CHyperLink::kHoverColour) << "hover outranks focus";
    m_other->setFocus();
    EXPECT_FALSE(link.IsOver()) << "losing the focus ends the hover";
    EXPECT_EQ(link.TextColour(), CHyperLink::kLinkColour);
}

// --- failures ---------------------------------------------------------------

TEST_F(HyperLinkTest, ARefusedOpenWarnsAndLeavesTheLinkUnvisited)
{
    CHyperLink& link = MakeLink();
    ShowActive();
    m_nOpenResult = CHyperLink::kFileNotFound;
    const CModalBox box = AnswerMessageBox([&] { QTest::mouseClick(&link, Qt::LeftButton, {}, Inside()); });
    ASSERT_TRUE(box.bShown);
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.strText, QStringLiteral("Can't open link:\n\nThe specified file was not found."));
    EXPECT_EQ(m_opened.size(), 1u);
    EXPECT_FALSE(link.IsVisited());

    m_nOpenResult = CHyperLink::kOpened;
    const CModalBox none = AnswerMessageBox([&] { link.OpenLink(); });
    EXPECT_FALSE(none.bShown);
    EXPECT_TRUE(link.IsVisited());
}

TEST(HyperLinkFailure, ACodeWithoutTextIsNamed)
{
    EXPECT_EQ(CHyperLink::FailureText(7), QStringLiteral("Unknown Error (7) occurred."));
    EXPECT_EQ(CHyperLink::FailureText(26), QStringLiteral("A sharing violation occurred. "));
}

TEST(HyperLinkOpen, MissingFilesAreReportedWithoutAskingTheDesktop)
{
    CFileUrlHandler desktop;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto url = [&](const QString& path) { return QUrl::fromLocalFile(dir.filePath(path)).toString(); };
    EXPECT_EQ(CHyperLink::OpenAddress(url(QStringLiteral("guide.html"))), CHyperLink::kFileNotFound);
    EXPECT_EQ(CHyperLink::OpenAddress(url(QStringLiteral("missing/guide.html"))), CHyperLink::kPathNotFound);
    EXPECT_EQ(CHyperLink::OpenAddress(QStringLiteral("Tarrowin user guide")), CHyperLink::kFileNotFound);
    EXPECT_EQ(CHyperLink::OpenAddress(QString()), CHyperLink::kFileNotFound);
    EXPECT_TRUE(desktop.opened.empty());
}

TEST(HyperLinkOpen, AnUnreadableFileIsAccessDenied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the administrator reads every file";
    CFileUrlHandler desktop;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("guide.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::WriteOwner));
    EXPECT_EQ(CHyperLink::OpenAddress(QUrl::fromLocalFile(file.fileName()).toString()), CHyperLink::kAccessDenied);
    EXPECT_TRUE(desktop.opened.empty());
}

TEST(HyperLinkOpen, AnExistingFileGoesToTheDesktopsHandlerWhole)
{
    CFileUrlHandler desktop;
    QTemporaryDir dir;
    // Characters a shell would act on must reach the handler untouched.
    QFile file(dir.filePath(QStringLiteral("guide $(x) & 'y' 50%.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QUrl url = QUrl::fromLocalFile(file.fileName());
    EXPECT_EQ(CHyperLink::OpenAddress(url.toString()), CHyperLink::kOpened);
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].toLocalFile(), file.fileName());
}

#include "HyperLinkTests.moc"
