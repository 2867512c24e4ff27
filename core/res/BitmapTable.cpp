#include "core/res/BitmapTable.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/res/ResourceIds.h"

#include "core/words/Words.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The artwork that is no circuit's own; the circuits' pictures and the
// chooser's strip come from the circuit catalogue.
constexpr std::array kArtwork{
    CBitmapResource{ResId::ElectronKey, ":/artwork/electron_key.svg", 225, 75},
    CBitmapResource{ResId::ElectronKeyColourBlind, ":/artwork/electron_key_colourblind.svg", 225, 75},
    CBitmapResource{ResId::SupplyNoCell, ":/artwork/supply_0.svg", 500, 150},
    CBitmapResource{ResId::SupplyOneCell, ":/artwork/supply_1.svg", 500, 150},
    CBitmapResource{ResId::SupplyTwoCells, ":/artwork/supply_2.svg", 500, 150},
    CBitmapResource{ResId::SupplyThreeCells, ":/artwork/supply_3.svg", 500, 150},
    CBitmapResource{ResId::SupplyOneCellReversed, ":/artwork/supply_r1.svg", 500, 150},
    CBitmapResource{ResId::SupplyTwoCellsReversed, ":/artwork/supply_r2.svg", 500, 150},
    CBitmapResource{ResId::SupplyThreeCellsReversed, ":/artwork/supply_r3.svg", 500, 150},
    CBitmapResource{ResId::Logo, ":/artwork/logo.svg", 298, 62},
    CBitmapResource{ResId::CellsNone, ":/artwork/cells_0.svg", 100, 50},
    CBitmapResource{ResId::CellsOne, ":/artwork/cells_1.svg", 100, 50},
    CBitmapResource{ResId::CellsTwo, ":/artwork/cells_2.svg", 100, 50},
    CBitmapResource{ResId::CellsThree, ":/artwork/cells_3.svg", 100, 50},
    CBitmapResource{ResId::CellsOneReversed, ":/artwork/cells_r1.svg", 100, 50},
    CBitmapResource{ResId::CellsTwoReversed, ":/artwork/cells_r2.svg", 100, 50},
    CBitmapResource{ResId::CellsThreeReversed, ":/artwork/cells_r3.svg", 100, 50},
    CBitmapResource{ResId::MeterDial, ":/artwork/dial.svg", 200, 200},
    CBitmapResource{ResId::Notice, ":/artwork/notice.svg", 298, 29},
};

// The side of a circuit's picture in the chooser's strip.
constexpr int kChooserPicture = 48;

const std::vector<CBitmapResource>& Bitmaps()
{
    static const std::vector<CBitmapResource> bitmaps = [] {
        const auto circuits = CircuitCatalogue();
        std::vector<CBitmapResource> rows{{ResId::ChooserStrip, ":/artwork/chooser.svg",
                                           kChooserPicture * static_cast<int>(circuits.size()), kChooserPicture}};
        rows.insert(rows.end(), kArtwork.begin(), kArtwork.end());
        for (const CCircuitCatalogueEntry& circuit : circuits) {
            rows.push_back(circuit.picture);
            if (circuit.openPicture.nId != 0)
                rows.push_back(circuit.openPicture);
        }
        return rows;
    }();
    return bitmaps;
}

// Grouped by artwork, in the order the table above names them.
// clang-format off
constexpr std::array kCaptions{
    CArtworkCaption{ResId::ElectronKey, QT_TRANSLATE_NOOP("Artwork", "electron"), 36.7, 222, 17.2, 13, false,
                    0xe6e6e6, false},
    CArtworkCaption{ResId::ElectronKey, QT_TRANSLATE_NOOP("Artwork", "electron releasing energy"), 36.7, 222, 42.2,
                    13, false, 0xe6e6e6, false},
    CArtworkCaption{ResId::ElectronKey, QT_TRANSLATE_NOOP("Artwork", "electron receiving energy"), 36.7, 222, 67.2,
                    13, false, 0xe6e6e6, false},
    CArtworkCaption{ResId::Logo, QT_TRANSLATE_NOOP("Artwork", "Version 1.0"), 86.6, 293, 55, 12, false, 0x5f6b78,
                    false},
    CArtworkCaption{ResId::MeterDial, QT_TRANSLATE_NOOP("Artwork", "ammeter"), 6, 194, 186.3, 19, true, 0xffffff,
                    true},
    CArtworkCaption{ResId::Notice, QT_TRANSLATE_NOOP("Artwork", "free software under the MIT licence"), 98.2, 293,
                    19.2, 11, false, 0x000000, false},
};
// clang-format on

}

std::span<const CArtworkCaption> ArtworkCaptions(int id)
{
    // Both keys carry the same words in the same places.
    if (id == ResId::ElectronKeyColourBlind)
        id = ResId::ElectronKey;
    const auto first = std::find_if(kCaptions.begin(), kCaptions.end(), [id](const auto& c) { return c.nId == id; });
    const auto last = std::find_if(first, kCaptions.end(), [id](const auto& c) { return c.nId != id; });
    return {first, last};
}

std::span<const CBitmapResource> BitmapResources()
{
    return Bitmaps();
}

const CBitmapResource* FindBitmapResource(int id)
{
    const auto& bitmaps = Bitmaps();
    auto it = std::find_if(bitmaps.begin(), bitmaps.end(), [id](const CBitmapResource& r) { return r.nId == id; });
    return it == bitmaps.end() ? nullptr : &*it;
}
