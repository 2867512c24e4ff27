#include "core/render/LabelLayer.h"

#include "core/draw/SelectGuard.h"

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);

}

void CLabelLayer::Build(CDrawSurface& dc, const std::vector<CLabel>& labels, const CFontSpec& font, const CRect& client)
{
    m_pieces.clear();
    for (const CLabel& label : labels) {
        const int w = label.rc.Width();
        const CRect rc =
            Intersection(CRect{label.rc.left - w, label.rc.top, label.rc.right + w, label.rc.bottom}, client);
        if (rc.Width() <= 0 || rc.Height() <= 0)
            continue;
        CPiece piece{rc, dc.CreateCompatibleBitmap(rc.Width(), rc.Height())};
        if (auto mem = dc.CreateMemorySurface(*piece.bmp)) {
            mem->FillSolidRect(0, 0, rc.Width(), rc.Height(), kWhite);
            CFontGuard guard(*mem, font);
            mem->DrawTextCentred(CRect{label.rc.left - rc.left, label.rc.top - rc.top, label.rc.right - rc.left,
                                       label.rc.bottom - rc.top},
                                 label.text);
        }
        m_pieces.push_back(std::move(piece));
    }
}

void CLabelLayer::DrawOver(CDrawSurface& dc, const std::vector<CRect>& drawn) const
{
    for (const CPiece& piece : m_pieces)
        for (const CRect& part : drawn) {
            const CRect rc = Intersection(piece.rc, part);
            if (rc.Width() > 0 && rc.Height() > 0)
                dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), *piece.bmp, rc.left - piece.rc.left,
                          rc.top - piece.rc.top, RasterOp::And);
        }
}
