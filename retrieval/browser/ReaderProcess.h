#pragma once
// One run of the page-reading program: started with posix_spawn (safe in a
// threaded program), the page written to it while its answer is read, so
// neither side waits on the other; waited for up to a backstop, then killed.
// Always reaped before Run returns.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace gb::retrieval {

class ReaderProcess {
public:
    struct Result {
        enum class End {
            Exited,          // on its own; `status` is what waitpid gave
            TimedOut,        // still running at the backstop: killed
            OverlongAnswer,  // wrote more than the answer may hold: killed
        };
        End end = End::Exited;
        int status = 0;
        std::string answer;
        // User and system. (Its peak memory is not told: a child started with
        // posix_spawn shares this process's memory until it starts the
        // program, and the kernel counts that into its peak.)
        std::chrono::microseconds cpuTime{0};
    };

    // Throws std::system_error when the program cannot be started at all.
    static Result Run(const std::filesystem::path& program, std::string_view input,
                      std::size_t maxAnswerBytes, std::chrono::milliseconds backstop);
};

}  // namespace gb::retrieval
