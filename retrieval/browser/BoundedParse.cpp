#include "retrieval/browser/BoundedParse.h"

#include <pthread.h>
#include <setjmp.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace gb::retrieval {

namespace {

// Reading the thread's CPU clock is a system call; once in so many calls of
// the allocator and deallocator costs nothing next to the parser's own work.
constexpr std::size_t kHookCallsPerClockReading = 256;
// The stack the parser may take below its entry: its ordinary work takes a
// few kilobytes, its only recursion (freeing a removed subtree) one frame
// per level.
constexpr std::ptrdiff_t kStackBudget = 256 * 1024;

std::chrono::nanoseconds ThreadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Each block handed to the parser follows one of these, linked with every
// other block it holds.
struct alignas(std::max_align_t) Block {
    Block* previous;
    Block* next;
    std::size_t size;
};

}  // namespace

// The blocks of one parse and its caps. The hooks and the CPU-time signal
// jump out of the parser through `escape` when a cap strikes; the parser's
// frames between hold nothing to destroy.
class BoundedParse::Meter {
public:
    explicit Meter(const Limits& limits)
        : memoryLimit_(limits.memory), cpuDeadline_(ThreadCpuTime() + limits.cpuTime) {}
    ~Meter() {
        while (blocks_ != nullptr) {
            Block* next = blocks_->next;
            std::free(blocks_);
            blocks_ = next;
        }
    }
    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;

    // The parser's allocator and deallocator.
    static void* Allocate(void* userdata, std::size_t size) {
        Meter& meter = *static_cast<Meter*>(userdata);
        meter.EnterHook();
        void* block = meter.WithinLimits() ? meter.Add(size) : nullptr;
        meter.LeaveHook(block != nullptr);
        return block;
    }
    static void Deallocate(void* userdata, void* pointer) {
        Meter& meter = *static_cast<Meter*>(userdata);
        meter.EnterHook();
        const bool within = meter.WithinLimits();
        meter.Remove(pointer);
        meter.LeaveHook(within);
    }

    // The CPU-time timer's signal: leaves the parse at once, or at the end of
    // the hook it interrupted.
    void TimeIsUp() {
        if (parsing_ == 0) {
            return;
        }
        if (inHook_ != 0) {
            timeIsUp_ = 1;
            return;
        }
        Escape();
    }

    // Runs the parser; nothing when a cap struck. Called from a frame of its
    // own with nothing to destroy, so that the jump lands here.
    [[gnu::noinline]] GumboOutput* Run(const GumboOptions& options, std::string_view html) {
        stackBase_ = static_cast<const char*>(__builtin_frame_address(0));
        if (sigsetjmp(escape_, 1) != 0) {
            return nullptr;
        }
        parsing_ = 1;
        GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
        parsing_ = 0;
        return output;
    }

private:
    void EnterHook() {
        inHook_ = 1;
        std::atomic_signal_fence(std::memory_order_seq_cst);
    }
    void LeaveHook(bool within) {
        std::atomic_signal_fence(std::memory_order_seq_cst);
        inHook_ = 0;
        if (!within || timeIsUp_ != 0) {
            Escape();
        }
    }
    [[noreturn]] void Escape() {
        parsing_ = 0;
        siglongjmp(escape_, 1);
    }

    bool WithinLimits() {
        const auto* frame = static_cast<const char*>(__builtin_frame_address(0));
        if (stackBase_ - frame > kStackBudget) {
            return false;
        }
        return ++hookCalls_ % kHookCallsPerClockReading != 0 || ThreadCpuTime() <= cpuDeadline_;
    }

    void* Add(std::size_t size) {
        // The headers count too: most blocks are small.
        const std::size_t taken = sizeof(Block) + size;
        if (size > memoryLimit_ || taken > memoryLimit_ - live_) {
            return nullptr;
        }
        auto* block = static_cast<Block*>(std::malloc(taken));
        if (block == nullptr) {
            return nullptr;
        }
        *block = {nullptr, blocks_, size};
        if (blocks_ != nullptr) {
            blocks_->previous = block;
        }
        blocks_ = block;
        live_ += taken;
        return block + 1;
    }
    void Remove(void* pointer) {
        if (pointer == nullptr) {
            return;
        }
        Block* block = static_cast<Block*>(pointer) - 1;
        (block->previous != nullptr ? block->previous->next : blocks_) = block->next;
        if (block->next != nullptr) {
            block->next->previous = block->previous;
        }
        live_ -= sizeof(Block) + block->size;
        std::free(block);
    }

    Block* blocks_ = nullptr;
    std::size_t live_ = 0;
    const std::size_t memoryLimit_;
    std::size_t hookCalls_ = 0;
    const std::chrono::nanoseconds cpuDeadline_;
    const char* stackBase_ = nullptr;
    sigjmp_buf escape_{};
    volatile std::sig_atomic_t parsing_ = 0;
    volatile std::sig_atomic_t inHook_ = 0;
    volatile std::sig_atomic_t timeIsUp_ = 0;
};

namespace {

void OnCpuTimeUp(int, siginfo_t* info, void*) {
    if (info->si_code == SI_TIMER && info->si_value.sival_ptr != nullptr) {
        static_cast<BoundedParse::Meter*>(info->si_value.sival_ptr)->TimeIsUp();
    }
}

// The signal of the CPU-time timers, its handler installed once.
int CpuTimeSignal() {
    static const int signal = [] {
        const int chosen = SIGRTMIN + 4;
        struct sigaction action {};
        action.sa_sigaction = OnCpuTimeUp;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(chosen, &action, nullptr);
        return chosen;
    }();
    return signal;
}

// A timer on the calling thread's CPU clock that signals that thread once
// `after` has been spent. Gone, it leaves no signal pending behind it.
class CpuTimer {
public:
    CpuTimer(BoundedParse::Meter& meter, std::chrono::nanoseconds after)
        : signal_(CpuTimeSignal()) {
        sigevent event{};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = signal_;
        event._sigev_un._tid = gettid();
        event.sigev_value.sival_ptr = &meter;
        armed_ = timer_create(CLOCK_THREAD_CPUTIME_ID, &event, &timer_) == 0;
        if (armed_) {
            itimerspec when{};
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(after);
            when.it_value.tv_sec = seconds.count();
            when.it_value.tv_nsec = (after - seconds).count();
            timer_settime(timer_, 0, &when, nullptr);
        }
    }
    ~CpuTimer() {
        if (!armed_) {
            return;
        }
        sigset_t only{};
        sigset_t before{};
        sigemptyset(&only);
        sigaddset(&only, signal_);
        pthread_sigmask(SIG_BLOCK, &only, &before);
        timer_delete(timer_);
        const timespec immediately{};
        while (sigtimedwait(&only, nullptr, &immediately) > 0) {
        }
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
    CpuTimer(const CpuTimer&) = delete;
    CpuTimer& operator=(const CpuTimer&) = delete;

private:
    int signal_;
    timer_t timer_{};
    bool armed_ = false;
};

}  // namespace

BoundedParse::BoundedParse(std::string_view html, const Limits& limits)
    : meter_(std::make_unique<Meter>(limits)) {
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = &Meter::Allocate;
    options.deallocator = &Meter::Deallocate;
    options.userdata = meter_.get();
    options.max_errors = 0;
    {
        // Should no timer be had, the clock readings in the hooks still bound
        // every stretch of work in which the parser allocates.
        const CpuTimer timer(*meter_, limits.cpuTime);
        output_ = meter_->Run(options, html);
    }
    if (output_ == nullptr) {
        throw ParseLimitReached("the parser went over its limits");
    }
}

BoundedParse::~BoundedParse() = default;

}  // namespace gb::retrieval
