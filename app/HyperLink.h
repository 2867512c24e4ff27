#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;

// A line of text that behaves like a link in a web page: coloured and
// underlined, a pointing hand and a tooltip with the address, and a click or
// the space bar opens the address with the desktop's default handler. It
// takes the place of a text control of a dialog page (Attach).
class CHyperLink : public QWidget {
public:
    // Bits of the link style.
    enum StyleFlag : int {
        Underline = 0x01,   // underline the text
        HoverColour = 0x02,   // use the hover colour while the mouse is over it
        SizeToText = 0x04,   // shrink or grow the control to its text
        OpenOnPress = 0x08,   // open on the button press, not its release
        FocusOnPress = 0x10,   // take the keyboard focus on a button press
        NoHandCursor = 0x20,   // keep the ordinary cursor
        NoFocusColour = 0x40,   // never use the focus colour
    };
    static constexpr int kDefaultStyle = Underline | SizeToText | FocusOnPress;

    // The colours of every link in the program.
    static const QColor kLinkColour;
    static const QColor kFocusColour;
    static const QColor kVisitedColour;
    static const QColor kHoverColour;

    // Results of an attempt to open an address: above kOpenedAbove is
    // success, anything else a failure code (see FailureText).
    static constexpr int kOpenedAbove = 32;
    static constexpr int kOpened = 33;
    static constexpr int kFileNotFound = 2;
    static constexpr int kPathNotFound = 3;
    static constexpr int kAccessDenied = 5;
    static constexpr int kNoAssociation = 31;

    // Opens an address and reports the result as above.
    using Opener = std::function<int(const QString& address)>;

    explicit CHyperLink(QWidget* parent = nullptr);

    // Takes the place of a text control: its parent, place, alignment, text
    // and font (copied, underlined as the style says). An empty address is
    // taken from the text, an empty text from the address.
    void Attach(QLabel& control);
    bool IsAttached() const { return m_bAttached; }

    void SetLinkAddress(const QString& address);
    const QString& LinkAddress() const { return m_strAddress; }
    QString Text() const { return m_strText; }

    // Set the style before Attach; a later change re-applies font and cursor.
    void SetLinkStyle(int style);
    int LinkStyle() const { return m_nStyle; }

    // Tests give an opener that opens nothing; the default is OpenAddress.
    void SetOpener(Opener opener) { m_opener = std::move(opener); }

    // Opens the address; on success the link is visited, on failure a
    // warning box says why and the link stays as it was.
    void OpenLink();

    bool IsFocused() const { return m_bFocused; }
    bool IsOver() const { return m_bOver; }
    bool IsVisited() const { return m_bVisited; }

    // The text colour for a state, first match wins: hover (when the style
    // asks for it), focus (unless the style refuses it), visited, link.
    static QColor ColourFor(bool over, bool focused, bool visited, int style);
    QColor TextColour() const { return ColourFor(m_bOver, m_bFocused, m_bVisited, m_nStyle); }

    // The message for a failed open, after "Can't open link:".
    static QString FailureText(int code);

    // The desktop's default handler for an address, never through a shell.
    // A local file that is missing or unreadable is reported as such without
    // asking the desktop.
    static int OpenAddress(const QString& address);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyStyle();
    void SizeToFitText();

    bool m_bFocused = false;
    bool m_bOver = false;
    bool m_bVisited = false;
    int m_nStyle = kDefaultStyle;
    QString m_strAddress;
    QString m_strText;
    QFont m_fontLink;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_bAttached = false;
    Opener m_opener;
};
