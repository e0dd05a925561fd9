#include "app/core/CommandMap.h"

#include <algorithm>

namespace gb::app {

namespace {

template <typename Entries>
auto FindIn(const Entries& entries, int id) -> decltype(&entries.front().function) {
    // The entry registered last wins, so a narrower entry added after a range
    // overrides it.
    const auto found = std::find_if(entries.rbegin(), entries.rend(), [id](const auto& entry) {
        return id >= entry.first && id <= entry.last;
    });
    return found == entries.rend() ? nullptr : &found->function;
}

}  // namespace

void CommandMap::OnRange(int first, int last, Handler handler) {
    handlers_.push_back({first, last, std::move(handler)});
}

void CommandMap::OnUpdateRange(int first, int last, Updater updater) {
    updaters_.push_back({first, last, std::move(updater)});
}

const CommandMap::Handler* CommandMap::FindHandler(int id) const {
    return FindIn(handlers_, id);
}

const CommandMap::Updater* CommandMap::FindUpdater(int id) const {
    return FindIn(updaters_, id);
}

bool CommandMap::ExecuteCommand(int id) const {
    const Handler* handler = FindHandler(id);
    if (handler == nullptr) {
        return false;
    }
    (*handler)(id);
    return true;
}

bool CommandMap::UpdateCommand(int id, CommandUpdate& update) const {
    const Updater* updater = FindUpdater(id);
    if (updater == nullptr) {
        return false;
    }
    (*updater)(id, update);
    return true;
}

}  // namespace gb::app
