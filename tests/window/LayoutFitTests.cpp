// The bars and the About box as their dialog layouts place them, measured
// with the real fonts: every control where the layout puts it, every text
// whole, every picture whole and centred where asked.
#include "TextFit.h"
#include "WindowFixture.h"

#include "app/AboutDlg.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "res/DialogLayouts.h"
#include "view/PictureControl.h"

#include <QApplication>
#include <QFontDatabase>

#include <cmath>

namespace {

// A layout rectangle in pixels of the page's font: its edges are converted,
// so that controls that meet in dialog units meet on screen.
QRect LaidOut(const CDialogUnits& units, const CDialogControl& c)
{
    const auto x = [&](int dlu) { return static_cast<int>(std::lround(dlu * units.BaseX() / 4.0)); };
    const auto y = [&](int dlu) { return static_cast<int>(std::lround(dlu * units.BaseY() / 8.0)); };
    return QRect(QPoint(x(c.x), y(c.y)), QPoint(x(c.x + c.w) - 1, y(c.y + c.h) - 1));
}

void ExpectAsLaidOut(const CDialogBar& page, const CDialogLayout& layout)
{
    const CDialogUnits units(page.font());
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const CDialogControl& control = layout.controls[i];
        const QWidget& widget = *page.ControlAt(i);
        const QRect laid = LaidOut(units, control);
        const std::string name = control.pszCaption != nullptr && *control.pszCaption != '\0'
                                     ? control.pszCaption
                                     : "control " + std::to_string(i);
        const auto* picture = dynamic_cast<const CPictureControl*>(&widget);
        if (control.kind == DialogControlKind::Picture) {
            // At its own size, and either at the top-left or centred to the pixel.
            ASSERT_NE(picture, nullptr) << name;
            EXPECT_EQ(widget.size(), picture->Image().deviceIndependentSize().toSize()) << name;
            const QPointF offset = control.bCentreImage ? QRectF(widget.geometry()).center() - QRectF(laid).center()
                                                        : QPointF(widget.pos() - laid.topLeft());
            EXPECT_LE(std::abs(offset.x()), 0.5) << name;
            EXPECT_LE(std::abs(offset.y()), 0.5) << name;
        } else if (dynamic_cast<const CHyperLink*>(&widget) != nullptr) {
            // The link is as wide as its text, about the middle of its place.
            EXPECT_LE(std::abs(QRectF(widget.geometry()).center().x() - QRectF(laid).center().x()), 0.5) << name;
            EXPECT_TRUE(laid.contains(widget.geometry())) << name;
        } else {
            EXPECT_EQ(widget.geometry(), laid) << name;
        }
        // A picture drawn into a frame shows whole inside the border.
        if (picture != nullptr && control.kind == DialogControlKind::DrawnFrame && !picture->Image().isNull()) {
            const QSize image = picture->Image().deviceIndependentSize().toSize();
            EXPECT_TRUE(picture->contentsRect().size().expandedTo(image) == picture->contentsRect().size())
                << name << ": " << image.width() << "x" << image.height() << " in "
                << picture->contentsRect().width() << "x" << picture->contentsRect().height();
        }
    }
    for (const QString& text : ClippedTexts(page))
        ADD_FAILURE() << text.toStdString();
}

}

// The bars take the desktop's font, whichever it is.
class LayoutFit : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        m_appFont = QApplication::font();
        QFont font(QString::fromLatin1(GetParam()));
        font.setPointSizeF(m_appFont.pointSizeF());
        QApplication::setFont(font);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QApplication::setFont(m_appFont);
    }

    QFont m_appFont;
};

TEST_P(LayoutFit, BarsAndAboutBoxHoldEveryTextAndPictureWhereTheLayoutPutsIt)
{
    ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(GetParam()))) << "font missing: " << GetParam();
    Show();
    Tick();
    View().DrawMeterNeedle(0.0);
    ExpectAsLaidOut(Controls(), ControlsBarLayout());
    ExpectAsLaidOut(*m_frame->DisplayBar(), DisplayBarLayout());
    CAboutDlg about(m_frame.get());
    about.show();
    ExpectAsLaidOut(about.Page(), AboutBoxLayout());
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutFit, ::testing::Values("DejaVu Sans"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find(' ')); });

// The circuits ask for fonts by cell height (ascent and descent); the
// labels and the intro title are only as tall as asked.
TEST(DrawingFonts, AreAsTallAsTheirCellHeight)
{
    for (int cell = 8; cell <= 96; cell += 4) {
        const QFontMetrics metrics(ResolveFont(CFontSpec{"Arial Black", cell, 400}));
        EXPECT_LE(std::abs(metrics.height() - cell), 1) << "cell " << cell;
    }
}
