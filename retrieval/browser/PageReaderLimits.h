#pragma once
// What the page-reading program may take for one page. The program sets the
// kernel's limits on itself; the caller waits for it up to the backstop.

#include <chrono>
#include <cstddef>

namespace gb::retrieval::reader_limits {

// Deeper than any real page nests its elements.
inline constexpr std::size_t kMaxNesting = 400;

// The largest page handed to the reader: a page of the largest size a
// transfer takes, with every byte widened to three in UTF-8.
inline constexpr std::size_t kMaxPageBytes = 12 * 1024 * 1024;

// Processor time, page faults included: the largest real pages (4 MiB) take
// up to 0.7 s from a cold start, 3 s in a sanitized build (whose run-time
// checks every access); this is over five times that.
#ifdef GB_SANITIZED
inline constexpr std::chrono::seconds kCpuTime{16};
#else
inline constexpr std::chrono::seconds kCpuTime{4};
#endif

// The address space of the reader: real pages of 4 MiB take under 150 MiB.
inline constexpr std::size_t kAddressSpaceBytes = 512 * 1024 * 1024;

// Far above what real pages have: their fields number in the hundreds and
// their values in the kilobytes.
inline constexpr std::size_t kMaxFields = 100'000;
inline constexpr std::size_t kMaxFieldTextBytes = 8 * 1024 * 1024;

// The largest answer a reader may give: every field text at the cap, with
// room for the lengths and flags of every field and form.
inline constexpr std::size_t kMaxAnswerBytes = kMaxFieldTextBytes + 64 * kMaxFields + 4096;

// How long the caller waits for the reader's answer: the processor time
// many times over, so a machine busy with other work never refuses a page.
inline constexpr std::chrono::seconds kBackstop = 15 * kCpuTime;

// How the reader ends when it gave no answer of its own.
inline constexpr int kExitOutOfMemory = 3;  // its address space was used up
inline constexpr int kExitNotConfined = 4;  // a limit could not be set: it read nothing
inline constexpr int kExitNoPage = 5;       // its input was unreadable or over the size limit
inline constexpr int kExitNoAnswer = 6;     // its answer could not be written

}  // namespace gb::retrieval::reader_limits
