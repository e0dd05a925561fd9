#pragma once
// The limits the page-reading program sets on itself before it reads a byte:
// processor time, no core file, no new privileges, no file descriptors but
// its input, output and error stream; and in builds without sanitizers (whose
// run-times need system calls and address space of their own) an address
// space limit and a system call filter that leaves it no way to open a file,
// make a socket or start a program.

namespace gb::retrieval {

class ReaderConfinement {
public:
    // False when a limit could not be set; the program must then read nothing.
    static bool Apply();
};

}  // namespace gb::retrieval
