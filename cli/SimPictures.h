#pragma once

#include "cli/SimRunner.h"
#include "platform/RasterSurface.h"

#include <QImage>

#include <memory>

// The runner's pictures on the desktop's raster surface, saved as PNG
// through a temporary file, so a failed write leaves nothing behind.
class CSimPictures : public ISimPictures {
public:
    std::string CheckOutputs(const CSimOptions& options) override;
    CDrawSurface* Open(int w, int h) override;
    bool Save(const std::string& path) override;

private:
    QImage m_image;
    std::unique_ptr<CRasterSurface> m_surface;
};
