// The page-reading program of the tests: the installed program, under the
// same limits, that also takes requests written into the page as a comment
// "<!--reader-test:REQUEST-->" and misbehaves as asked:
//   crash    dies of SIGSEGV
//   hang     sleeps without end
//   garbage  answers bytes that are no answer
//   probe    tries to open a file, make a socket and start a program, and
//            answers one field per try ("open", "socket", "exec") whose
//            value is "refused" or "allowed"
// A page without a request is read as the installed program reads it.

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <new>
#include <string>

#include "retrieval/browser/PageReaderLimits.h"
#include "retrieval/reader/FormReader.h"
#include "retrieval/reader/ReaderConfinement.h"
#include "retrieval/reader/ReaderStreams.h"

using namespace gb::retrieval;

namespace {

FormControl Tried(const char* name, bool allowed) {
    FormControl control;
    control.name = name;
    control.values = {allowed ? "allowed" : "refused"};
    return control;
}

ReaderAnswer Probe() {
    const int file = open("/proc/self/status", O_RDONLY);
    const int endpoint = socket(AF_INET, SOCK_STREAM, 0);
    char* argv[] = {const_cast<char*>("/bin/true"), nullptr};
    execv("/bin/true", argv);  // returns only when refused
    ReaderAnswer answer;
    answer.page.controls = {Tried("open", file >= 0), Tried("socket", endpoint >= 0),
                            Tried("exec", false)};
    return answer;
}

bool Requested(const std::string& page, const char* request) {
    return page.find(std::string("<!--reader-test:") + request + "-->") != std::string::npos;
}

}  // namespace

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
        if (Requested(*page, "crash")) {
            raise(SIGSEGV);
        }
        while (Requested(*page, "hang")) {
            sleep(1000);
        }
        const std::string answer =
            Requested(*page, "garbage") ? std::string("\x00\xff\xff\xff\xff", 5)
            : Requested(*page, "probe") ? ReaderAnswer::Encode(Probe())
                                        : ReaderAnswer::Encode(FormReader::Read(*page));
        _exit(ReaderStreams::WriteAnswer(answer) ? 0 : limits::kExitNoAnswer);
    } catch (const std::bad_alloc&) {
        _exit(limits::kExitOutOfMemory);
    }
}
