#include "platform/BulkMemory.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

// Whether the build checks memory accesses with AddressSanitizer.
#if defined(__SANITIZE_ADDRESS__)
#define GB_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GB_ADDRESS_SANITIZER 1
#endif
#endif

namespace gb {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t WholeHugePages(std::size_t bytes) {
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

// Chunks of a huge page and more come straight from the system, aligned to
// and made of whole huge pages and advised to be backed by them; smaller
// requests go to the ordinary heap.
class HugePageChunks final : public std::pmr::memory_resource {
private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        if (bytes < kHugePage) {
            return std::pmr::new_delete_resource()->allocate(bytes, alignment);
        }
        // Mapped with a huge page to spare, then trimmed to an aligned run.
        const std::size_t size = WholeHugePages(bytes);
        void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) {
            throw std::bad_alloc();
        }
        const auto start = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
        if (aligned > start) {
            ::munmap(mapped, aligned - start);
        }
        const std::uintptr_t tail = aligned + size;
        const std::uintptr_t end = start + size + kHugePage;
        if (end > tail) {
            ::munmap(reinterpret_cast<void*>(tail), end - tail);
        }
        void* chunk = reinterpret_cast<void*>(aligned);
        PreferHugePages(chunk, size);
        return chunk;
    }

    void do_deallocate(void* block, std::size_t bytes, std::size_t alignment) override {
        if (bytes < kHugePage) {
            std::pmr::new_delete_resource()->deallocate(block, bytes, alignment);
        } else {
            ::munmap(block, WholeHugePages(bytes));
        }
    }

    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
};

}  // namespace

std::pmr::memory_resource* BulkMemory() {
#ifdef GB_ADDRESS_SANITIZER
    // A pool hands a freed block out again unseen: under the sanitizer every
    // record comes from the ordinary heap, so that reading one after it was
    // freed is caught.
    return std::pmr::new_delete_resource();
#else
    // Never destroyed: records in static storage may be freed at any point of
    // the process's end.
    static auto* const pool = [] {
        std::pmr::pool_options options;
        options.largest_required_pool_block = 4096;
        options.max_blocks_per_chunk = std::size_t{1} << 20;
        return new std::pmr::synchronized_pool_resource(options, new HugePageChunks);
    }();
    return pool;
#endif
}

void PreferHugePages(void* data, std::size_t size) {
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + size) & ~(kHugePage - 1);
    if (first < last) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

}  // namespace gb
