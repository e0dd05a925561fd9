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

#include <string>

#include "retrieval/reader/FormReader.h"
#include "retrieval/reader/ReaderProgram.h"

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
    ReaderProgram::Run([](const std::string& page) {
        if (Requested(page, "crash")) {
            raise(SIGSEGV);
        }
        while (Requested(page, "hang")) {
            sleep(1000);
        }
        return Requested(page, "garbage") ? std::string("\x00\xff\xff\xff\xff", 5)
               : Requested(page, "probe") ? ReaderAnswer::Encode(Probe())
                                          : ReaderAnswer::Encode(FormReader::Read(page));
    });
}
