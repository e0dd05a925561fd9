#pragma once
// Memory for the many small records that fill a large file's worth of data at
// once (the items of a profile). It is handed out from large chunks that the
// system is asked to back with huge pages, so that filling a hundred megabytes
// takes a few dozen page faults instead of tens of thousands. Freed blocks are
// kept for reuse; chunks go back to the system only when the process ends.

#include <cstddef>
#include <memory_resource>

namespace gb {

// The process's pool for such records; safe to use from any thread.
std::pmr::memory_resource* BulkMemory();

// Asks the system to back the whole huge pages inside [data, data + size)
// with huge pages when they are first touched; a hint that may be ignored.
void PreferHugePages(void* data, std::size_t size);

}  // namespace gb
