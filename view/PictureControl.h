#pragma once

#include <QFrame>
#include <QImage>

// A picture control of a bar: it keeps the last image drawn into it and
// paints that, so the picture survives hiding and showing the bar. Images
// carry their device pixel ratio, so they stay sharp on dense screens. A bar
// narrowed for a small window shows its pictures at a smaller scale, drawn
// afresh at that size rather than shrunk.
class CPictureControl : public QFrame {
public:
    // With a border, the control is a bordered black frame.
    CPictureControl(bool bordered, QWidget* parent = nullptr);

    // Replaces the picture, placed at the control's top-left corner inside
    // the border; repaints only when the picture changed.
    void SetImage(const QImage& image);
    // Shows an artwork at the picture scale, rendered for the control's
    // device pixel ratio.
    void ShowResource(int id);
    // 1 draws pictures at their natural size. A new scale renders the
    // artwork shown again; a picture drawn into the canvas is the drawer's
    // to draw again.
    void SetPictureScale(qreal scale);
    qreal PictureScale() const { return m_dScale; }
    // A natural size at a scale, in logical pixels, as artwork renders it.
    static QSize Scaled(const QSize& natural, qreal scale);
    QSize Scaled(const QSize& natural) const { return Scaled(natural, m_dScale); }
    const QImage& Image() const { return m_image; }
    // The control's own picture, to draw into in place: a picture redrawn
    // many times a second then needs no new memory. Call update() after.
    QImage& Canvas(const QSize& logicalSize, qreal dpr);
    // Changes whenever the picture is replaced, by SetImage or a new canvas:
    // while it stays the same, what was drawn into the canvas is still there.
    int Generation() const { return m_nGeneration; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    int m_nGeneration = 0;
    int m_nResourceId = 0;   // the artwork shown, 0 for none
    qreal m_dScale = 1.0;
};
