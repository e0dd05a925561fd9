#include "retrieval/reader/ReaderConfinement.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <climits>

#include "retrieval/browser/PageReaderLimits.h"

#ifndef GB_SANITIZED
#include <seccomp.h>

#include <memory>
#endif

// The sanitizers' options for the reading process. Under AddressSanitizer
// the address space limit is left out (its shadow memory alone is far
// larger); its own limit on resident memory stands in. ThreadSanitizer's
// report of a stack overflow (a hostile page can overrun the stack inside the
// parser) would hang the reader until the backstop: the crash is left to the
// kernel.
#if defined(__SANITIZE_ADDRESS__)
#define GB_READER_ASAN 1
#elif defined(__SANITIZE_THREAD__)
#define GB_READER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GB_READER_ASAN 1
#elif __has_feature(thread_sanitizer)
#define GB_READER_TSAN 1
#endif
#endif
#ifdef GB_READER_ASAN
extern "C" const char* __asan_default_options() {
    return "hard_rss_limit_mb=2048:quarantine_size_mb=16";
}
#endif
#ifdef GB_READER_TSAN
extern "C" const char* __tsan_default_options() {
    return "handle_segv=0";
}
#endif

namespace gb::retrieval {

namespace {

namespace limits = reader_limits;

bool Limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit limit{soft, hard};
    return setrlimit(resource, &limit) == 0;
}

#ifndef GB_SANITIZED
struct FilterDeleter {
    void operator()(void* filter) const { seccomp_release(filter); }
};

// Every system call not named here fails with EPERM: what reading a page,
// writing the answer, managing memory and ending takes, and sleeping.
bool FilterSystemCalls() {
    const std::unique_ptr<void, FilterDeleter> filter(seccomp_init(SCMP_ACT_ERRNO(EPERM)));
    if (!filter) {
        return false;
    }
    const int allowed[] = {
        SCMP_SYS(read),          SCMP_SYS(write),          SCMP_SYS(close),
        SCMP_SYS(fstat),         SCMP_SYS(newfstatat),     SCMP_SYS(brk),
        SCMP_SYS(mmap),          SCMP_SYS(munmap),         SCMP_SYS(mremap),
        SCMP_SYS(mprotect),      SCMP_SYS(madvise),        SCMP_SYS(futex),
        SCMP_SYS(clock_gettime), SCMP_SYS(nanosleep),      SCMP_SYS(clock_nanosleep),
        SCMP_SYS(rt_sigreturn),  SCMP_SYS(rt_sigprocmask), SCMP_SYS(getpid),
        SCMP_SYS(gettid),        SCMP_SYS(tgkill),         SCMP_SYS(exit),
        SCMP_SYS(exit_group),
    };
    for (const int call : allowed) {
        if (seccomp_rule_add(filter.get(), SCMP_ACT_ALLOW, call, 0) != 0) {
            return false;
        }
    }
    return seccomp_load(filter.get()) == 0;
}
#endif

}  // namespace

bool ReaderConfinement::Apply() {
    const auto cpuSeconds = static_cast<rlim_t>(limits::kCpuTime.count());
    // At the soft limit the kernel sends SIGXCPU, a second later SIGKILL.
    bool confined = Limit(RLIMIT_CPU, cpuSeconds, cpuSeconds + 1) && Limit(RLIMIT_CORE, 0, 0) &&
                    prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
                    close_range(STDERR_FILENO + 1, UINT_MAX, 0) == 0;
#ifndef GB_SANITIZED
    confined = confined &&
               Limit(RLIMIT_AS, limits::kAddressSpaceBytes, limits::kAddressSpaceBytes) &&
               FilterSystemCalls();
#endif
    return confined;
}

}  // namespace gb::retrieval
