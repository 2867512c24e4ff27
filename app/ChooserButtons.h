#pragma once

#include <QWidget>

#include <vector>

class QAction;
class QMenu;
class QToolButton;

// The chooser's buttons, a picture button for each of its actions and a
// line between groups (a separator action), in rows: one row while the
// width holds them all, else two that break between groups, each as wide
// as the other as can be. Narrower still, two rows hold as many buttons as
// fit, without the lines, and a last button, "»", lists the rest in a menu.
class CChooserButtons : public QWidget {
public:
    CChooserButtons(const QList<QAction*>& items, const QSize& iconSize, QWidget* parent = nullptr);

    QToolButton* Button(const QAction* action) const;
    // Lists the buttons that did not fit; hidden while all do.
    QToolButton* OverflowButton() const { return m_overflow; }
    int Rows() const { return m_nRows; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct CItem {
        QAction* action;
        QWidget* widget;   // its button, or the separator's line
    };
    // Puts every item in its place for a width.
    void Arrange(int width);
    // The items' width side by side, from first up to last.
    int RowWidth(std::size_t first, std::size_t last) const;
    // The items in rows, broken before the given items.
    void PlaceRows(const std::vector<std::size_t>& breaks);
    // Two rows of as many items as fit, the last place for the overflow button.
    void PlaceOverflowing(int width);

    std::vector<CItem> m_items;
    QToolButton* m_overflow = nullptr;
    QMenu* m_overflowMenu = nullptr;
    QSize m_button;
    int m_nSpacing = 0;
    int m_nRows = 1;
};
