#include "platform/FrameImage.h"

#include <sys/mman.h>

#include <cstdint>

namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;
// Below a few huge pages the small pages cost nothing worth saving.
constexpr std::size_t kWorthIt = 4 * kHugePage;

struct CMapping {
    void* base;
    std::size_t length;
};

void Unmap(void* info)
{
    auto* mapping = static_cast<CMapping*>(info);
    munmap(mapping->base, mapping->length);
    delete mapping;
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
    // Mapped apart from the heap, so that a frame let go of on a resize goes
    // back to the system at once instead of leaving the heap fragmented.
    const std::size_t length = bytes + kHugePage;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED)
        return QImage(w, h, QImage::Format_RGB32);
    const auto address = reinterpret_cast<std::uintptr_t>(base);
    auto* aligned = reinterpret_cast<uchar*>((address + kHugePage - 1) / kHugePage * kHugePage);
    // Only advice: where the kernel does not take it the image works the same.
    madvise(aligned, bytes, MADV_HUGEPAGE);
    return QImage(aligned, w, h, stride, QImage::Format_RGB32, Unmap, new CMapping{base, length});
}
