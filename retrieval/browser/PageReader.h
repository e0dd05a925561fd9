#pragma once
// Reads the forms of a page from the network in the page-reading program, a
// process of its own under the kernel's limits: gumbo has no bounds of its
// own, and a page that crashes it, or makes it work or hold memory without
// end, must cost that page, never the program. The program is installed
// beside this library.

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "retrieval/browser/PageForms.h"
#include "retrieval/browser/PageReaderLimits.h"
#include "retrieval/browser/ReaderProcess.h"

namespace gb::retrieval {

// A page that could not be read; the message says why.
class PageNotRead : public std::runtime_error {
public:
    enum class Reason {
        TooDeep,        // it nests its elements deeper than any real page
        TooLarge,       // it is too large, or too costly to read
        ReaderFailed,   // the reader crashed, hung or answered nonsense
        ReaderMissing,  // the reader is not installed
    };

    PageNotRead(Reason reason, const std::string& message)
        : std::runtime_error(message), reason_(reason) {}
    Reason WhyNot() const { return reason_; }

private:
    Reason reason_;
};

class PageReader {
public:
    // The program's name in the folder of this library.
    static constexpr char kProgramName[] = "PageReader";

    explicit PageReader(std::filesystem::path program,
                        std::chrono::milliseconds backstop = reader_limits::kBackstop);

    // The installed reader: beside this library, or the program that
    // GAVELBOOK_PAGE_READER names.
    static PageReader Installed();

    struct Reading {
        PageForms page;
        std::chrono::microseconds cpuTime{0};  // what the reader used
    };
    // Throws PageNotRead.
    Reading Read(std::string_view utf8) const;

    const std::filesystem::path& Program() const { return program_; }

private:
    std::filesystem::path program_;
    std::chrono::milliseconds backstop_;
};

}  // namespace gb::retrieval
