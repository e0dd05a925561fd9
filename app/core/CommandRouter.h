#pragma once
// Routes a command along a chain of targets, as the frame builds it: the
// active view, the frame, the program-level targets in the order they were
// added (the profile commands, then the application's own), then the
// document's other views. The first target with a handler carries it out.
//
// Enabling follows the same chain: the first target with an updater decides.
// When no updater says whether the command is enabled, it is enabled exactly
// when some target handles it, so commands nobody handles yet show disabled.

#include <functional>
#include <vector>

#include "app/core/CommandMap.h"

namespace gb::app {

class CommandRouter {
public:
    // The targets in routing order; asked afresh for every command, since the
    // active view changes.
    using Chain = std::function<std::vector<const CommandTarget*>()>;

    explicit CommandRouter(Chain chain) : chain_(std::move(chain)) {}

    // False when no target handles the command, or it is disabled.
    bool Execute(int id) const;
    CommandState Query(int id) const;

private:
    Chain chain_;
};

}  // namespace gb::app
