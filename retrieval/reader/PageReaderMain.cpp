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
