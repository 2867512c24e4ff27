#include "app/HyperLink.h"

#include "app/TextRoom.h"
#include "core/res/Strings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace {

constexpr const char* kContext = "HyperLink";

QString Translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

}

const QColor CHyperLink::kLinkColour{0, 0, 255};
const QColor CHyperLink::kFocusColour{0, 128, 128};
const QColor CHyperLink::kVisitedColour{128, 0, 128};
const QColor CHyperLink::kHoverColour{255, 0, 0};

CHyperLink::CHyperLink(QWidget* parent) : QWidget(parent)
{
    // Moves over the text arrive without a button held, for the hover state.
    setMouseTracking(true);
    // Reachable with Tab as well as by a click, so the keyboard alone can open it.
    setFocusPolicy(Qt::TabFocus);
}

void CHyperLink::Attach(QLabel& control)
{
    if (m_strAddress.isEmpty())
        m_strAddress = control.text();
    m_strText = control.text().isEmpty() ? m_strAddress : control.text();
    m_alignment = control.alignment();

    setParent(control.parentWidget());
    setGeometry(control.geometry());
    if (!control.objectName().isEmpty())
        setObjectName(control.objectName());
    m_fontLink = control.font();
    m_bAttached = true;
    ApplyStyle();
    SizeToFitText();
    setVisible(!control.isHidden());
}

void CHyperLink::SetLinkAddress(const QString& address)
{
    m_strAddress = address;
    if (!m_bAttached)
        return;
    const bool bShown = !isHidden();
    hide();
    SizeToFitText();
    setToolTip(m_strAddress);
    setAccessibleDescription(m_strAddress);
    setVisible(bShown);
}

void CHyperLink::SetLinkStyle(int style)
{
    m_nStyle = style;
    if (m_bAttached) {
        ApplyStyle();
        SizeToFitText();
    }
}

void CHyperLink::ApplyStyle()
{
    m_fontLink.setUnderline((m_nStyle & Underline) != 0);
    setFont(m_fontLink);
    if ((m_nStyle & NoHandCursor) != 0)
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    setToolTip(m_strAddress);
    setAccessibleName(m_strText);
    setAccessibleDescription(m_strAddress);
    update();
}

void CHyperLink::SizeToFitText()
{
    if ((m_nStyle & SizeToText) == 0)
        return;
    const QFontMetrics metrics(m_fontLink);
    const int textWidth = metrics.horizontalAdvance(m_strText);
    const int textHeight = TextLineHeight(metrics, m_strText);
    QRect place = geometry();
    if ((m_alignment & Qt::AlignVCenter) != 0)
        place.setTop(place.top() + (place.height() - textHeight) / 2);
    place.setHeight(textHeight);
    if ((m_alignment & Qt::AlignHCenter) != 0)
        place.setLeft(place.left() + (place.width() - textWidth) / 2);
    else if ((m_alignment & Qt::AlignRight) != 0)
        place.setLeft(place.left() + place.width() - textWidth);
    place.setWidth(textWidth);
    setGeometry(place);
    update();
}

QColor CHyperLink::ColourFor(bool over, bool focused, bool visited, int style)
{
    if (over && (style & HoverColour) != 0)
        return kHoverColour;
    if (focused && (style & NoFocusColour) == 0)
        return kFocusColour;
    if (visited)
        return kVisitedColour;
    return kLinkColour;
}

QString CHyperLink::FailureText(int code)
{
    switch (code) {
    case 0: return Translated(QT_TRANSLATE_NOOP("HyperLink", "The operating system is out\nof memory or resources."));
    case 2: return Translated(QT_TRANSLATE_NOOP("HyperLink", "The specified file was not found."));
    case 3: return Translated(QT_TRANSLATE_NOOP("HyperLink", "The specified path was not found."));
    case 5:
        return Translated(QT_TRANSLATE_NOOP("HyperLink", "The operating system denied\naccess to the specified file."));
    case 8: return Translated(QT_TRANSLATE_NOOP("HyperLink", "There was not enough memory to complete the operation."));
    case 11:
        return Translated(
            QT_TRANSLATE_NOOP("HyperLink", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."));
    case 26: return Translated(QT_TRANSLATE_NOOP("HyperLink", "A sharing violation occurred. "));
    case 27: return Translated(QT_TRANSLATE_NOOP("HyperLink", "The filename association is\nincomplete or invalid."));
    case 28:
        return Translated(QT_TRANSLATE_NOOP(
            "HyperLink", "The DDE transaction could not\nbe completed because the request timed out."));
    case 29: return Translated(QT_TRANSLATE_NOOP("HyperLink", "The DDE transaction failed."));
    case 30:
        return Translated(QT_TRANSLATE_NOOP(
            "HyperLink", "The DDE transaction could not\nbe completed because other DDE transactions\n"
                         "were being processed."));
    case 31:
        return Translated(
            QT_TRANSLATE_NOOP("HyperLink", "There is no application associated\nwith the given filename extension."));
    case 32: return Translated(QT_TRANSLATE_NOOP("HyperLink", "The specified dynamic-link library was not found."));
    default: return Translated(QT_TRANSLATE_NOOP("HyperLink", "Unknown Error (%1) occurred.")).arg(code);
    }
}

int CHyperLink::OpenAddress(const QString& address)
{
    // Tolerant: an address may hold a plain space or other unencoded characters.
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return kFileNotFound;
    if (url.isLocalFile()) {
        // The desktop only says yes or no; these failures have better words.
        const QFileInfo file(url.toLocalFile());
        if (!file.exists())
            return file.absoluteDir().exists() ? kFileNotFound : kPathNotFound;
        if (!file.isReadable())
            return kAccessDenied;
    }
    // Qt starts the desktop's handler with the URL as one argument, no shell.
    return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation;
}

void CHyperLink::OpenLink()
{
    const int result = m_opener ? m_opener(m_strAddress) : OpenAddress(m_strAddress);
    if (result > kOpenedAbove) {
        m_bVisited = true;
        update();
        return;
    }
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate(Strings::kContext, Strings::kAppTitle),
                    Translated(QT_TRANSLATE_NOOP("HyperLink", "Can't open link:\n\n")) + FailureText(result),
                    QMessageBox::Ok, window());
    box.exec();
}

void CHyperLink::paintEvent(QPaintEvent*)
{
    // No background: the page's white shows through.
    QPainter painter(this);
    painter.setFont(m_fontLink);
    painter.setPen(TextColour());
    const Qt::Alignment vertical = (m_alignment & Qt::AlignVCenter) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
    // An accent above the capitals starts the line that much lower.
    const QRect place = rect().adjusted(0, InkAboveLine(QFontMetrics(m_fontLink), m_strText), 0, 0);
    painter.drawText(place, static_cast<int>((m_alignment & Qt::AlignHorizontal_Mask) | vertical) | Qt::TextSingleLine,
                     m_strText);
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if ((m_nStyle & FocusOnPress) != 0)
        setFocus(Qt::MouseFocusReason);
    if ((m_nStyle & OpenOnPress) != 0)
        OpenLink();
    m_bFocused = true;
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    // Dragging off the text before letting go cancels, as with any button.
    if (m_bFocused && (m_nStyle & OpenOnPress) == 0 && rect().contains(event->position().toPoint()))
        OpenLink();
    // Without the focus the press only armed the release; it is not a focus.
    if (!hasFocus() && m_bFocused) {
        m_bFocused = false;
        update();
    }
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bOver) {
        m_bOver = true;
        update();
    } else if (!rect().contains(event->position().toPoint())) {
        m_bOver = false;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event)
{
    if (m_bOver) {
        m_bOver = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void CHyperLink::focusInEvent(QFocusEvent* event)
{
    m_bFocused = true;
    update();
    QWidget::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event)
{
    m_bOver = false;
    m_bFocused = false;
    update();
    QWidget::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event)
{
    // Space, Return and Enter open it, as they press a focused button (a dialog's
    // default button included: the link keeps them). Holding one down opens it once.
    const bool opens = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (opens && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            OpenLink();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
