#include "app/BarPlacement.h"

#include "app/GroupBox.h"
#include "app/TextRoom.h"
#include "core/res/BitmapTable.h"
#include "view/PictureControl.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

QRect ToRect(const CDialogControl& control)
{
    return QRect(control.x, control.y, control.w, control.h);
}

// Where a text may stand at a narrowed scale. A text stands centred in its
// rectangle: it may spread about its middle across the box it stands in, as
// far as nothing beside it stands in the way; and one whose words do not
// fit beside its neighbours may stand on a line of its own above them, with
// the whole width of its box.
struct CTextRoom {
    QRect beside;
    QRect alone;   // across its box; empty without neighbours in its row
    int rowTop = 0;   // where its row starts, in dialog units
};

CTextRoom TextRoomOf(const CDialogLayout& layout, std::size_t index)
{
    constexpr int kInset = 3;   // dialog units clear of a box's frame and of a neighbour
    const QRect rect = ToRect(layout.controls[index]);
    CTextRoom room{rect, {}, rect.top()};
    int left = kInset;
    int right = layout.nWidth - kInset;
    int besideLeft = left;
    int besideRight = right;
    bool neighbours = false;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const QRect other = ToRect(layout.controls[i]);
        if (i == index || other.bottom() < rect.top() || other.top() > rect.bottom())
            continue;
        if (other.contains(rect)) {
            left = std::max(left, other.left() + kInset);
            right = std::min(right, other.right() + 1 - kInset);
            continue;
        }
        neighbours = true;
        room.rowTop = std::min(room.rowTop, other.top());
        if (other.right() < rect.left())
            besideLeft = std::max(besideLeft, other.right() + 1 + kInset);
        else if (other.left() > rect.right())
            besideRight = std::min(besideRight, other.left() - kInset);
    }
    besideLeft = std::max(besideLeft, left);
    besideRight = std::min(besideRight, right);
    const int spread = std::max(0, std::min(rect.left() - besideLeft, besideRight - (rect.right() + 1)));
    room.beside = rect.adjusted(-spread, 0, spread, 0);
    if (neighbours)
        room.alone = QRect(left, rect.top(), right - left, rect.height());
    return room;
}

QStringList Words(const QString& caption)
{
    return caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A caption's words on as few lines as fit: each line takes as many words
// as fit, and a word too wide for any line stands alone.
template <typename Fits>
QString Broken(const QString& caption, Fits fits)
{
    QStringList lines;
    for (const QString& word : Words(caption)) {
        if (!lines.isEmpty() && fits(lines.back() + QLatin1Char(' ') + word))
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

// Rows of pixels put in at a height, or taken out where negative: every
// edge at or below that height moves by as much. Controls side by side that
// need room at the same height share it.
class CRowShifts {
public:
    void Add(int at, int by)
    {
        auto& [grow, shrink] = m_shifts[at];
        grow = std::max(grow, by);
        shrink = std::min(shrink, by);
    }

    int operator()(int y) const
    {
        int moved = y;
        for (const auto& [at, shift] : m_shifts) {
            if (at > y)
                break;
            moved += shift.first + shift.second;
        }
        return moved;
    }

private:
    std::map<int, std::pair<int, int>> m_shifts;   // at: the most put in, the most taken out
};

// A picture takes its own size: at the top-left of its place, or centred in
// it to the nearest pixel so that it stays in the middle of its place
// whatever the font; a drawn frame is always centred so.
QRect PicturePlace(QRect place, const CDialogControl& control, const QSize& picture)
{
    if (!picture.isValid())
        return place;
    if (control.bCentreImage || control.kind == DialogControlKind::DrawnFrame)
        place.translate((place.width() - picture.width()) / 2, (place.height() - picture.height()) / 2);
    place.setSize(picture);
    return place;
}

// The height a picture shrunk from its natural size gives back: no more than
// leaves its place around it, nor than lets what stands beside it reach
// below it. Across, the picture takes its own width in its place.
int PictureSaving(std::size_t index, const std::vector<QRect>& places, const QRect& picture, int natural)
{
    const QRect place(picture.x(), places[index].y(), picture.width(), places[index].height());
    int saving = std::min(natural, place.height()) - picture.height();
    for (std::size_t j = 0; j < places.size(); ++j) {
        const QRect& other = places[j];
        if (j == index || other.contains(place) || other.bottom() < place.top() || other.top() > place.bottom())
            continue;
        saving = std::min(saving, other.bottom() < place.bottom() ? place.bottom() - other.bottom() : 0);
    }
    return std::max(0, saving);
}

}

QSize PictureSize(const CDialogControl& control, const QWidget& widget, qreal scale)
{
    if (control.kind != DialogControlKind::Picture && control.kind != DialogControlKind::DrawnFrame)
        return {};
    const CBitmapResource* art = FindBitmapResource(control.nBitmapId);
    const QSize size = art != nullptr ? CPictureControl::Scaled(QSize(art->nWidth, art->nHeight), scale) : QSize(0, 0);
    if (control.kind == DialogControlKind::Picture)
        return size;
    // The frame holds the picture the program draws into it, which is as
    // large as its artwork, and the frame's border around it.
    const int border = static_cast<const CPictureControl&>(widget).frameWidth();
    return size + QSize(2 * border, 2 * border);
}

CBarPlacement PlaceControls(const CDialogLayout& layout, std::span<const CPlacedControl> controls, const QFont& font,
                            CBarScale scale)
{
    const bool narrowed = scale.across < 1.0;
    const CDialogUnits own(font);
    std::vector<CTextRoom> texts;
    for (std::size_t i = 0; i < controls.size(); ++i)
        texts.push_back(narrowed && controls[i].control->kind == DialogControlKind::Text
                            ? TextRoomOf(layout, i)
                            : CTextRoom{ToRect(*controls[i].control), {}, 0});

    // The units: captions whole on one line, or at least their words.
    std::vector<QSize> pictures;
    std::vector<CDialogRoom> rooms;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const CPlacedControl& placed = controls[i];
        const CDialogControl& control = *placed.control;
        pictures.push_back(PictureSize(control, *placed.widget, scale.pictures));
        if (control.kind == DialogControlKind::DrawnFrame) {
            rooms.push_back({ToRect(control), pictures.back()});
        } else if (control.kind == DialogControlKind::Picture) {
            // Its own size at full scale, whatever the units; shrunk, inside the page.
            if (narrowed)
                rooms.push_back(
                    {QRect(control.x, control.y, std::min(control.w, layout.nWidth - 2 * control.x), control.h),
                     pictures.back()});
        } else {
            const QRect room = texts[i].alone.isEmpty() ? texts[i].beside : texts[i].alone;
            for (const QString& caption : {placed.caption, placed.altCaption}) {
                if (!narrowed)
                    rooms.push_back({room, TextRoom(*placed.widget, caption)});
                else
                    for (const QString& word : Words(caption))
                        rooms.push_back({room, TextRoom(*placed.widget, word)});
            }
        }
    }
    CBarPlacement placement;
    const CDialogUnits& units = placement.units =
        (narrowed ? CDialogUnits(own.BaseX() * scale.across, own.BaseY()) : own).Holding(rooms);

    // A text whose words do not all fit beside its neighbours stands above them.
    std::vector<QRect> places;
    std::vector<bool> lifted;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect beside = units.ToPixels(texts[i].beside);
        const QStringList words = Words(controls[i].caption);
        const bool lift =
            !texts[i].alone.isEmpty() && std::any_of(words.begin(), words.end(), [&](const QString& word) {
                return TextRoom(*controls[i].widget, word).width() > beside.width();
            });
        QRect place = lift ? units.ToPixels(texts[i].alone) : beside;
        if (lift)
            place.moveTop(units.ToPixelsY(texts[i].rowTop));
        places.push_back(place);
        lifted.push_back(lift);
        placement.captions.push_back(controls[i].caption);
        placement.altCaptions.push_back(controls[i].altCaption);
    }

    // Lines added where captions break, height given back where pictures shrink.
    CRowShifts shifts;
    std::vector<int> liftedBy(controls.size(), 0);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget& widget = *controls[i].widget;
        const QRect& place = places[i];
        if (pictures[i].isValid()) {
            const int natural = PictureSize(*controls[i].control, widget, 1.0).height();
            const QRect picture = PicturePlace(place, *controls[i].control, pictures[i]);
            if (const int saving = PictureSaving(i, places, picture, natural); saving > 0)
                shifts.Add(place.top() + place.height(), -saving);
            continue;
        }
        if (!narrowed)
            continue;
        const auto fits = [&](const QString& text) { return TextRoom(widget, text).width() <= place.width(); };
        bool broken = false;
        for (QString* caption : {&placement.captions[i], &placement.altCaptions[i]}) {
            if (!caption->isEmpty() && !fits(*caption)) {
                *caption = Broken(*caption, fits);
                broken = true;
            }
        }
        const int needed = std::max(TextRoom(widget, placement.captions[i]).height(),
                                    TextRoom(widget, placement.altCaptions[i]).height());
        if (lifted[i]) {
            // Its row, and all below, moves down by the text and a row's gap.
            liftedBy[i] = needed + units.ToPixelsY(2);
            shifts.Add(place.top(), liftedBy[i]);
            places[i].setHeight(needed);
        } else if (!broken) {
            continue;
        } else if (dynamic_cast<const CGroupBox*>(&widget) != nullptr) {
            // A box's title lines push down what stands in it.
            shifts.Add(place.top() + 1, needed - TextRoom(widget, controls[i].caption).height());
        } else if (needed > place.height()) {
            shifts.Add(place.top() + place.height(), needed - place.height());
        }
    }

    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect& place = places[i];
        const int top = shifts(place.top()) - liftedBy[i];
        const QRect moved(place.x(), top, place.width(), shifts(place.top() + place.height()) - liftedBy[i] - top);
        placement.places.push_back(PicturePlace(moved, *controls[i].control, pictures[i]));
    }
    const QSize page = units.ToPixels(0, 0, layout.nWidth, layout.nHeight).size();
    placement.size = QSize(page.width(), shifts(page.height()));
    return placement;
}
