// The bars, the menus and the About box measured with the fonts Debian
// ships, as written, in each shipped language and with every text 40% longer: every control where the
// page's units put it, every text whole against the style's real room for
// it, every picture whole, centred where asked and drawn at the screen's
// resolution, drawn frames as large as their pictures, every control clear
// of its group box's frame, titles in line with the frames, and bars that
// narrow and scroll on a small screen rather than cut their controls off;
// and the words written over the artwork, each within its room.
#include "TextFit.h"
#include "WindowFixture.h"

#include "app/AboutDlg.h"
#include "app/GroupBox.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/Resources.h"
#include "core/res/BitmapTable.h"
#include "core/res/DialogLayouts.h"
#include "core/res/ResourceIds.h"
#include "view/PictureControl.h"

#include <QApplication>
#include <QDockWidget>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTranslator>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

// A pseudo-translation: each of the program's texts followed by its own
// first 40% again and an accented capital, so that a translation's longer
// words and its accents above the capitals are measured before any exists.
class CLongerTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QStringList kContexts{"Menu", "DialogBar", "Circuit", "Strings", "HyperLink"};
        const QString text = QString::fromUtf8(sourceText);
        if (text.isEmpty() || !kContexts.contains(QLatin1String(context)))
            return {};
        QString again = text.left((text.size() * 2 + 4) / 5);
        again.remove(QLatin1Char('&'));
        return text + again + QChar(0x00C9);
    }
};

// A layout rectangle in pixels of the page's units: its edges are
// converted, so that controls that meet in dialog units meet on screen.
QRect LaidOut(const CDialogUnits& units, const CDialogControl& c)
{
    const auto x = [&](int dlu) { return static_cast<int>(std::lround(dlu * units.BaseX() / 4.0)); };
    const auto y = [&](int dlu) { return static_cast<int>(std::lround(dlu * units.BaseY() / 8.0)); };
    return QRect(QPoint(x(c.x), y(c.y)), QPoint(x(c.x + c.w) - 1, y(c.y + c.h) - 1));
}

int Contrast(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Each group box's title starts in line with the box's frame, and every
// control standing in the box keeps clear of its frame and title. Measured
// on the box as shown, in device pixels: the frame's line is the first
// column that stands clearly out from the window at three quarters of the
// box's height, the title's start the first dark pixel among its rows.
void ExpectBoxesHoldTheirControls(const CDialogBar& page)
{
    for (CGroupBox* box : page.findChildren<CGroupBox*>()) {
        const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal dpr = image.devicePixelRatio();
        const QRgb window = box->palette().color(QPalette::Window).rgb();
        int frame = 0;
        while (frame < image.width() / 2 && Contrast(image.pixel(frame, image.height() * 3 / 4), window) <= 30)
            ++frame;
        const int titleRows = static_cast<int>((box->TitleRect().bottom() + 1) * dpr);
        int title = 0;
        const auto dark = [&](int x) {
            for (int y = 0; y < titleRows; ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
            return false;
        };
        while (title < image.width() && !dark(title))
            ++title;
        const std::string name = box->title().toStdString();
        EXPECT_GE(title, frame) << name << " starts left of its frame";
        EXPECT_LE(title, frame + 2 * dpr) << name << " starts right of its frame";

        const int line = static_cast<int>(std::ceil((frame + 1) / dpr));
        const int top = box->TitleRect().bottom() + 1;
        const QRect inside(box->x() + line, box->y() + top, box->width() - 2 * line, box->height() - top - line);
        for (const QWidget* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control != box && box->geometry().contains(control->geometry().center())) {
                EXPECT_TRUE(inside.contains(control->geometry()))
                    << control->metaObject()->className() << " at " << control->x() << "," << control->y()
                    << " crosses the frame or title of " << name;
            }
        }
    }
}

void ExpectAsLaidOut(const CDialogBar& page, const CDialogLayout& layout)
{
    const CDialogUnits& units = page.Units();
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const CDialogControl& control = layout.controls[i];
        QWidget& widget = *page.ControlAt(i);
        const QRect laid = LaidOut(units, control);
        const std::string name = control.pszCaption != nullptr && *control.pszCaption != '\0'
                                     ? control.pszCaption
                                     : "control " + std::to_string(i);
        auto* picture = dynamic_cast<CPictureControl*>(&widget);
        if (picture != nullptr && !picture->Image().isNull()) {
            // As large as its picture and the border, either at the top-left
            // of its place or centred in it to the pixel; a drawn frame is
            // centred, and its place holds it.
            const bool drawn = control.kind == DialogControlKind::DrawnFrame;
            const int border = 2 * picture->frameWidth();
            EXPECT_EQ(widget.size(), picture->Image().deviceIndependentSize().toSize() + QSize(border, border)) << name;
            EXPECT_TRUE(!drawn || laid.contains(widget.geometry())) << name;
            const QPointF offset = control.bCentreImage || drawn
                                       ? QRectF(widget.geometry()).center() - QRectF(laid).center()
                                       : QPointF(widget.pos() - laid.topLeft());
            EXPECT_LE(std::abs(offset.x()), 0.5) << name;
            EXPECT_LE(std::abs(offset.y()), 0.5) << name;
            // Shown at the screen's resolution, never scaled up.
            const QImage shown = picture->grab(picture->contentsRect()).toImage();
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) ==
                        picture->Image().convertToFormat(QImage::Format_RGB32))
                << name << " at device pixel ratio " << widget.devicePixelRatioF();
        } else if (dynamic_cast<const CHyperLink*>(&widget) != nullptr) {
            // The link is as wide as its text, about the middle of its place.
            EXPECT_LE(std::abs(QRectF(widget.geometry()).center().x() - QRectF(laid).center().x()), 0.5) << name;
            EXPECT_TRUE(laid.contains(widget.geometry())) << name;
        } else {
            EXPECT_EQ(widget.geometry(), laid) << name;
        }
    }
    ExpectBoxesHoldTheirControls(page);
    for (const QString& text : ClippedTexts(page))
        ADD_FAILURE() << text.toStdString();
}

// A bar at whatever scale the window gave it: every text whole, every control
// clear of its box's frame and title, of every other control and of the
// page's edges, every picture whole.
void ExpectLegible(const CDialogBar& page)
{
    ExpectBoxesHoldTheirControls(page);
    for (const QString& text : ClippedTexts(page))
        ADD_FAILURE() << text.toStdString();
    std::vector<const QWidget*> solid;
    for (const QWidget* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = control->metaObject()->className();
        EXPECT_TRUE(page.rect().contains(control->geometry())) << name << " at " << control->x() << "," << control->y();
        const auto* picture = dynamic_cast<const CPictureControl*>(control);
        if (picture != nullptr && !picture->Image().isNull()) {
            const int border = 2 * picture->frameWidth();
            EXPECT_EQ(control->size(), picture->Image().deviceIndependentSize().toSize() + QSize(border, border));
        }
        // Boxes and bare frames surround others.
        if (dynamic_cast<const CGroupBox*>(control) != nullptr || (picture != nullptr && picture->Image().isNull()))
            continue;
        for (const QWidget* other : solid)
            EXPECT_FALSE(other->geometry().intersects(control->geometry()))
                << name << " at " << control->x() << "," << control->y() << " covers "
                << other->metaObject()->className() << " at " << other->x() << "," << other->y();
        solid.push_back(control);
    }
}

// Whatever room the window leaves a bar, it scrolls exactly when taller than
// that room, takes no more width than it and its scroll bar need, and can
// bring every control into view.
void ExpectReachable(QDockWidget& dock, const CDialogBar& bar, const CDialogLayout& layout)
{
    auto* scroller = qobject_cast<QScrollArea*>(dock.widget());
    ASSERT_NE(scroller, nullptr);
    const bool taller = bar.height() > scroller->viewport()->height();
    EXPECT_EQ(scroller->verticalScrollBar()->isVisible(), taller) << bar.height() << " in " << dock.height();
    EXPECT_EQ(scroller->viewport()->width(), bar.width());
    EXPECT_EQ(dock.width(), bar.width() + (taller ? scroller->verticalScrollBar()->width() : 0));
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        QWidget* control = bar.ControlAt(i);
        scroller->ensureWidgetVisible(control, 0, 0);
        const QRect shown(control->mapTo(scroller->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(scroller->viewport()->rect().contains(shown)) << "control " << i << " out of reach";
    }
}

}

// The bars take the desktop's font, whichever it is; each font is measured
// with the texts as written, 40% longer ("Longer") and in each language the
// program ships.
class LayoutFit : public WindowTest, public ::testing::WithParamInterface<std::tuple<const char*, const char*>> {
protected:
    void SetUp() override
    {
        m_appFont = QApplication::font();
        QFont font(QString::fromLatin1(Font()));
        font.setPointSizeF(m_appFont.pointSizeF());
        QApplication::setFont(font);
        const QString language = QString::fromLatin1(Language());
        if (language == QStringLiteral("Longer"))
            QCoreApplication::installTranslator(&m_longer);
        else if (!language.isEmpty())
            m_missing = !m_shipped.load(QStringLiteral(":/i18n/tarrowin_") + language) ||
                        !QCoreApplication::installTranslator(&m_shipped);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&m_longer);
        QCoreApplication::removeTranslator(&m_shipped);
        QApplication::setFont(m_appFont);
    }

    static const char* Font() { return std::get<0>(GetParam()); }
    static const char* Language() { return std::get<1>(GetParam()); }

    QFont m_appFont;
    CLongerTranslator m_longer;
    QTranslator m_shipped;
    bool m_missing = false;
};

TEST_P(LayoutFit, BarsMenusAndAboutBoxHoldEveryTextAndPicture)
{
    ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(Font()))) << "font missing: " << Font();
    ASSERT_FALSE(m_missing) << "language not shipped: " << Language();
    Show();
    Tick();
    View().DrawMeterNeedle(0.0);
    ExpectAsLaidOut(Controls(), ControlsBarLayout());
    ExpectAsLaidOut(*m_frame->DisplayBar(), DisplayBarLayout());
    // The layouts were drawn for a font like DejaVu Sans: with it, as
    // written, the bars keep the font's own units.
    if (Font() == std::string("DejaVu Sans") && *Language() == '\0') {
        for (const CDialogBar* bar : {&Controls(), m_frame->DisplayBar()})
            EXPECT_EQ(bar->Units(), CDialogUnits(bar->font())) << bar->Units().BaseX() << " x " << bar->Units().BaseY();
    }
    ExpectReachable(*m_frame->ControlsDock(), Controls(), ControlsBarLayout());
    ExpectReachable(*m_frame->DisplayDock(), *m_frame->DisplayBar(), DisplayBarLayout());

    // On a small screen the Controls bar scrolls, both bars narrow and stay
    // whole; the menus all stay, and open as wide as their items.
    constexpr QSize kSmallScreen(640, 480);
    m_frame->resize(kSmallScreen);
    Settle();
    ASSERT_EQ(m_frame->size(), kSmallScreen);
    EXPECT_TRUE(qobject_cast<QScrollArea*>(m_frame->ControlsDock()->widget())->verticalScrollBar()->isVisible());
    ExpectReachable(*m_frame->ControlsDock(), Controls(), ControlsBarLayout());
    ExpectReachable(*m_frame->DisplayDock(), *m_frame->DisplayBar(), DisplayBarLayout());
    for (const CDialogBar* bar : {&Controls(), m_frame->DisplayBar()}) {
        EXPECT_LT(bar->Scale().across, 1.0);
        ExpectLegible(*bar);
    }
    for (const QString& text : ClippedMenuTexts(*m_frame->menuBar(), kSmallScreen))
        ADD_FAILURE() << text.toStdString();

    CAboutDlg about(m_frame.get());
    about.show();
    ExpectAsLaidOut(about.Page(), AboutBoxLayout());
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutFit,
                         ::testing::Combine(::testing::Values("DejaVu Sans", "Liberation Sans", "Cantarell"),
                                            ::testing::Values("", "Longer", "de", "fr", "es")),
                         [](const auto& info) {
                             const std::string font(std::get<0>(info.param));
                             return font.substr(0, font.find(' ')) + std::get<1>(info.param);
                         });

// The circuits ask for fonts by cell height (ascent and descent); the
// labels and the intro title are only as tall as asked.
TEST(DrawingFonts, AreAsTallAsTheirCellHeight)
{
    for (int cell = 8; cell <= 96; cell += 4) {
        const QFontMetrics metrics(ResolveFont(CFontSpec{"Arial Black", cell, 400}));
        EXPECT_LE(std::abs(metrics.height() - cell), 1) << "cell " << cell;
    }
}

// The words written over the artwork, in each shipped language and at two
// scales: each caption leaves ink on its line and none past its room.
TEST(ArtworkCaptions, StayWithinTheirRoomInEveryLanguage)
{
    for (const char* language : {"", "de", "fr", "es"}) {
        const CShippedLanguage shipped(language);
        ASSERT_FALSE(shipped.IsMissing()) << language;
        for (const CBitmapResource& res : BitmapResources())
            for (const qreal scale : {1.0, 2.0}) {
                const QImage drawn = LoadResourceImage(res.nId, scale);
                QImage bare(drawn.size(), QImage::Format_RGB32);   // the artwork alone
                bare.fill(Qt::white);
                QPainter painter(&bare);
                painter.setRenderHint(QPainter::Antialiasing);
                QSvgRenderer(QString::fromLatin1(res.pszPath)).render(&painter, QRectF(bare.rect()));
                painter.end();
                const qreal sx = qreal(drawn.width()) / res.nWidth, sy = qreal(drawn.height()) / res.nHeight;
                // The colour-blind key carries the standard key's words in the same places.
                const int words = res.nId == ResId::ElectronKeyColourBlind ? ResId::ElectronKey : res.nId;
                for (const CArtworkCaption& c : ArtworkCaptions(words)) {
                    int inside = 0, outside = 0;   // on its line, from above the capitals to below the descenders
                    for (int y = int((c.baseline - c.nPixelSize) * sy); y < (c.baseline + c.nPixelSize / 3.0) * sy; ++y)
                        for (int x = 0; x < drawn.width(); ++x)
                            if (drawn.pixel(x, y) != bare.pixel(x, y))
                                ++(x >= std::floor(c.left * sx) && x < std::ceil(c.right * sx) ? inside : outside);
                    EXPECT_TRUE(inside > 0 && outside == 0)
                        << language << " " << res.pszPath << " x" << scale << " \"" << c.pszText << "\": " << inside
                        << " in, " << outside << " out";
                }
            }
    }
}
