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
