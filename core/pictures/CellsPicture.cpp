#include "core/pictures/CellsPicture.h"

#include "core/res/ResourceIds.h"

namespace CellsPicture {

int ArtworkId(int cells)
{
    switch (cells) {
    case 1: return ResId::CellsOne;
    case 2: return ResId::CellsTwo;
    case 3: return ResId::CellsThree;
    case -1: return ResId::CellsOneReversed;
    case -2: return ResId::CellsTwoReversed;
    case -3: return ResId::CellsThreeReversed;
    default: return ResId::CellsNone;
    }
}

void Draw(CDrawSurface& dc, int cells, int w, int h)
{
    if (auto picture = dc.LoadBitmap(ArtworkId(cells), w, h))
        dc.BitBlt(0, 0, w, h, *picture, 0, 0, RasterOp::Copy);
    else
        dc.FillSolidRect(0, 0, w, h, Rgb(255, 255, 255));
}

}
