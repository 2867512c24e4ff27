#include "res/BitmapTable.h"

#include "res/ResourceIds.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kBitmaps{
    CBitmapResource{ResId::SupplyNoCell, ":/artwork/supply_0.svg", 500, 150},
    CBitmapResource{ResId::SupplyOneCell, ":/artwork/supply_1.svg", 500, 150},
    CBitmapResource{ResId::SupplyTwoCells, ":/artwork/supply_2.svg", 500, 150},
    CBitmapResource{ResId::SupplyThreeCells, ":/artwork/supply_3.svg", 500, 150},
    CBitmapResource{ResId::SupplyOneCellReversed, ":/artwork/supply_r1.svg", 500, 150},
    CBitmapResource{ResId::SupplyTwoCellsReversed, ":/artwork/supply_r2.svg", 500, 150},
    CBitmapResource{ResId::SupplyThreeCellsReversed, ":/artwork/supply_r3.svg", 500, 150},
    CBitmapResource{ResId::PictureSingleBulb, ":/artwork/single_bulb.svg", 500, 350},
};

}

std::span<const CBitmapResource> BitmapResources()
{
    return kBitmaps;
}

const CBitmapResource* FindBitmapResource(int id)
{
    auto it = std::find_if(kBitmaps.begin(), kBitmaps.end(), [id](const CBitmapResource& r) { return r.nId == id; });
    return it == kBitmaps.end() ? nullptr : &*it;
}
