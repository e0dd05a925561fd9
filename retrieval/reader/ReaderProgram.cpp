#include "retrieval/reader/ReaderProgram.h"

#include <unistd.h>

#include <new>
#include <optional>

#include "retrieval/browser/PageReaderLimits.h"
#include "retrieval/reader/ReaderConfinement.h"
#include "retrieval/reader/ReaderStreams.h"

namespace gb::retrieval {

void ReaderProgram::Run(const AnswerFor& answerFor) {
    namespace limits = reader_limits;
    if (!ReaderConfinement::Apply()) {
        _exit(limits::kExitNotConfined);
    }
    try {
        const std::optional<std::string> page = ReaderStreams::ReadPage(limits::kMaxPageBytes);
        if (!page) {
            _exit(limits::kExitNoPage);
        }
        _exit(ReaderStreams::WriteAnswer(answerFor(*page)) ? 0 : limits::kExitNoAnswer);
    } catch (const std::bad_alloc&) {
        _exit(limits::kExitOutOfMemory);
    }
}

}  // namespace gb::retrieval
