#pragma once

#include <QScrollArea>

// The scroll area a docked bar stands in. It is as wide as the bar and as
// tall as the room the window gives it; a bar taller than that scrolls up
// and down with a scroll bar beside it, so that on a small screen no
// control is out of reach. Without the need it shows no scroll bar and
// takes no more width than the bar, whatever size the bar takes.
class CBarScroller : public QScrollArea {
public:
    explicit CBarScroller(QWidget* bar, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes the width the bar needs at a height: its own, and the scroll
    // bar's when it is taller than that.
    void FitWidth(int height);

    QWidget* m_pWindow = nullptr;   // watched for its resizes
};
