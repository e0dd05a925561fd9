// The page-reading program: reads one page from standard input under the
// kernel's limits and writes its forms, fields and base address to standard
// output (see ReaderAnswer).

#include "retrieval/reader/FormReader.h"
#include "retrieval/reader/ReaderProgram.h"

using namespace gb::retrieval;

int main() {
    ReaderProgram::Run(
        [](const std::string& page) { return ReaderAnswer::Encode(FormReader::Read(page)); });
}
