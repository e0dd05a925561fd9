#pragma once
// The page-reading program's course, shared by the installed program and the
// tests' one: confine the process, read the page, write what `answerFor`
// makes of it, and end without freeing anything (the kernel takes back all
// the process holds at once). Each failure ends with its own exit status.

#include <functional>
#include <string>

namespace gb::retrieval {

class ReaderProgram {
public:
    using AnswerFor = std::function<std::string(const std::string& page)>;

    [[noreturn]] static void Run(const AnswerFor& answerFor);
};

}  // namespace gb::retrieval
