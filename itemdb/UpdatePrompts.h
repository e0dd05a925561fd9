#pragma once
// The messages of an update run, injectable so that tests and tools never
// wait on a window. Texts are Windows-1252.

#include <string_view>

namespace gb::itemdb {

class UpdatePrompts {
public:
    // A message the user acknowledges.
    virtual void ShowMessage(std::string_view text) = 0;

protected:
    ~UpdatePrompts() = default;
};

}  // namespace gb::itemdb
