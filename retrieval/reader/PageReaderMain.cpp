// The page-reading program: reads one page from standard input under the
// kernel's limits and writes its forms, fields and base address to standard
// output (see ReaderAnswer). It ends without freeing anything: the kernel
// takes back all it holds at once.

#include <unistd.h>

#include <new>

#include "retrieval/browser/PageReaderLimits.h"
#include "retrieval/reader/FormReader.h"
#include "retrieval/reader/ReaderConfinement.h"
#include "retrieval/reader/ReaderStreams.h"

using namespace gb::retrieval;

// Under AddressSanitizer the address space limit is left out (its shadow
// memory alone is far larger); its own limit on resident memory stands in.
#if defined(__SANITIZE_ADDRESS__)
#define GB_READER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GB_READER_ASAN 1
#endif
#endif
#ifdef GB_READER_ASAN
extern "C" const char* __asan_default_options() {
    return "hard_rss_limit_mb=2048:quarantine_size_mb=16";
}
#endif

int main() {
    namespace limits = reader_limits;
    if (!ReaderConfinement::Apply()) {
        _exit(limits::kExitNotConfined);
    }
    try {
        const std::optional<std::string> page = ReaderStreams::ReadPage(limits::kMaxPageBytes);
        if (!page) {
            _exit(limits::kExitNoPage);
        }
        const std::string answer = ReaderAnswer::Encode(FormReader::Read(*page));
        _exit(ReaderStreams::WriteAnswer(answer) ? 0 : limits::kExitNoAnswer);
    } catch (const std::bad_alloc&) {
        _exit(limits::kExitOutOfMemory);
    }
}
