#pragma once

#include <QGroupBox>

// A group box of a dialog page whose title starts where the style draws the
// box's frame line. Styles that draw the title above the frame put it at
// the box's very edge, a pixel or two left of the line; for a box at the
// edge of a bar that set the title against the window's edge. A title of
// several lines ("\n" between them) stands line below line, and the frame
// starts that much lower.
class CGroupBox : public QGroupBox {
public:
    explicit CGroupBox(const QString& title, QWidget* parent = nullptr);

    // Where the title is drawn, in the box's coordinates.
    QRect TitleRect() const { return TitleRect(title()); }
    // The pixels the box needs to show its title whole, with the frame's
    // margin on both sides.
    QSize TitleRoom() const { return TitleRoom(title()); }
    // The same for another title.
    QRect TitleRect(const QString& title) const;
    QSize TitleRoom(const QString& title) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int FrameLineX() const;
    QRect StyleTitleRect(const QString& line) const;
    int TitleShift() const;

    mutable int m_nFrameLineX = -1;   // measured on first use, again when the style changes
};
