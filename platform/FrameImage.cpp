#include "platform/FrameImage.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;
// Below a few huge pages the small pages cost nothing worth saving.
constexpr std::size_t kWorthIt = 4 * kHugePage;

void Release(void* memory)
{
    std::free(memory);
}

}

QImage CreateFrameImage(int w, int h)
{
    if (w <= 0 || h <= 0)
        return {};
    const qsizetype stride = static_cast<qsizetype>(w) * 4;
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(h);
    if (bytes < kWorthIt)
        return QImage(w, h, QImage::Format_RGB32);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (memory == nullptr)
        return QImage(w, h, QImage::Format_RGB32);
    // Only advice: where the kernel does not take it the image works the same.
    madvise(memory, rounded, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(memory), w, h, stride, QImage::Format_RGB32, Release, memory);
}
