#pragma once
// Where a retrieval writes what happened: the two session logs, and the file
// that keeps the last page a site returned when a retrieval failed.

#include <filesystem>

#include "retrieval/SessionLog.h"

namespace gb::retrieval {

struct EngineLogs {
    SessionLog& details;  // every line
    SessionLog& summary;  // results and failures
    std::filesystem::path returnedPage;
};

}  // namespace gb::retrieval
