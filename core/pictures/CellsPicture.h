#pragma once

#include "core/draw/DrawSurface.h"

// The controls bar's picture of the supply: the cells as a circuit symbol,
// the right way round or turned round.
namespace CellsPicture {

// The artwork of a signed number of cells, -3..3.
int ArtworkId(int cells);
// The picture over a surface of w x h pixels.
void Draw(CDrawSurface& dc, int cells, int w, int h);

}
