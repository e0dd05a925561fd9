#include "retrieval/browser/PageReader.h"

#include <dlfcn.h>
#include <signal.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "retrieval/browser/ReaderAnswer.h"

namespace gb::retrieval {

namespace {

namespace limits = reader_limits;
using Reason = PageNotRead::Reason;

// The folder of the library (or program) this code is part of.
std::filesystem::path OwnFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&OwnFolder), &info) == 0 ||
        info.dli_fname == nullptr) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path own = std::filesystem::canonical(info.dli_fname, error);
    return error ? std::filesystem::path(info.dli_fname).parent_path() : own.parent_path();
}

PageNotRead TooDeep() {
    return PageNotRead(Reason::TooDeep,
                       "The page nests its elements deeper than any real page (more than " +
                           std::to_string(limits::kMaxNesting) + " deep); it was not read");
}

PageNotRead TooLarge() {
    return PageNotRead(
        Reason::TooLarge,
        "The page is too large or too costly to read (the page reader's limits are " +
            std::to_string(limits::kCpuTime.count()) + " s of processor time, " +
            std::to_string(limits::kAddressSpaceBytes / (1024 * 1024)) + " MiB of memory, " +
            std::to_string(limits::kMaxFields) + " fields and " +
            std::to_string(limits::kMaxFieldTextBytes / (1024 * 1024)) +
            " MiB of field text); it was not read");
}

PageNotRead ReaderFailed(const std::string& how) {
    return PageNotRead(Reason::ReaderFailed,
                       "The page reader failed on this page (" + how + "); it was not read");
}

// What an end of the reader without an answer means.
PageNotRead Failure(const ReaderProcess::Result& run, std::chrono::milliseconds backstop) {
    switch (run.end) {
        case ReaderProcess::Result::End::TimedOut:
            return ReaderFailed("no answer within " + std::to_string(backstop.count() / 1000) +
                                " s");
        case ReaderProcess::Result::End::OverlongAnswer:
            return ReaderFailed("its answer was longer than any page's");
        case ReaderProcess::Result::End::Exited:
            break;
    }
    if (WIFSIGNALED(run.status)) {
        const int signal = WTERMSIG(run.status);
        // The kernel ends a reader over its processor time with these.
        if (signal == SIGXCPU || (signal == SIGKILL && run.cpuTime >= limits::kCpuTime)) {
            return TooLarge();
        }
        const char* name = sigabbrev_np(signal);
        return ReaderFailed("ended by signal " + std::to_string(signal) +
                            (name != nullptr ? std::string(", SIG") + name : std::string()));
    }
    const int status = WEXITSTATUS(run.status);
    if (status == limits::kExitOutOfMemory) {
        return TooLarge();
    }
    return ReaderFailed(status == 0 ? std::string("its answer was malformed")
                                    : "exit status " + std::to_string(status));
}

}  // namespace

PageReader::PageReader(std::filesystem::path program, std::chrono::milliseconds backstop)
    : program_(std::move(program)), backstop_(backstop) {}

PageReader PageReader::Installed() {
    if (const char* named = std::getenv("GAVELBOOK_PAGE_READER");
        named != nullptr && *named != '\0') {
        return PageReader(named);
    }
    return PageReader(OwnFolder() / kProgramName);
}

PageReader::Reading PageReader::Read(std::string_view utf8) const {
    if (utf8.size() > limits::kMaxPageBytes) {
        throw TooLarge();
    }
    if (access(program_.c_str(), X_OK) != 0) {
        throw PageNotRead(Reason::ReaderMissing,
                          "The page reader is missing: " + program_.string() +
                              "; no page can be read without it");
    }
    ReaderProcess::Result run;
    try {
        run = ReaderProcess::Run(program_, utf8, limits::kMaxAnswerBytes, backstop_);
    } catch (const std::system_error& error) {
        throw ReaderFailed(std::string("it could not be started: ") + error.what());
    }
    const bool answered = run.end == ReaderProcess::Result::End::Exited && WIFEXITED(run.status) &&
                          WEXITSTATUS(run.status) == 0;
    std::optional<ReaderAnswer> answer = answered ? ReaderAnswer::Decode(run.answer) : std::nullopt;
    if (!answer) {
        throw Failure(run, backstop_);
    }
    switch (answer->verdict) {
        case ReaderVerdict::TooDeep:
            throw TooDeep();
        case ReaderVerdict::TooLarge:
            throw TooLarge();
        case ReaderVerdict::Read:
            break;
    }
    return {std::move(answer->page), run.cpuTime};
}

}  // namespace gb::retrieval
