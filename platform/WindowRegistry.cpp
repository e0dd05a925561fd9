#include "platform/WindowRegistry.h"

#include <mutex>
#include <unordered_map>

namespace gb {

namespace {

struct Targets {
    std::mutex mutex;
    std::unordered_map<WindowHandle, MessageTarget*> byHandle;
    WindowHandle last = 0;
};

Targets& TheTargets() {
    static Targets targets;
    return targets;
}

}  // namespace

WindowHandle WindowRegistry::Register(MessageTarget& target) {
    Targets& targets = TheTargets();
    std::lock_guard lock(targets.mutex);
    do {
        ++targets.last;
    } while (targets.last == 0 || targets.byHandle.contains(targets.last));
    targets.byHandle.emplace(targets.last, &target);
    return targets.last;
}

void WindowRegistry::Unregister(WindowHandle handle) {
    Targets& targets = TheTargets();
    std::lock_guard lock(targets.mutex);
    targets.byHandle.erase(handle);
}

bool WindowRegistry::Post(WindowHandle handle, const WindowMessage& message) {
    Targets& targets = TheTargets();
    // Delivered under the lock, so Unregister waits for a delivery in progress.
    std::lock_guard lock(targets.mutex);
    const auto found = targets.byHandle.find(handle);
    if (found == targets.byHandle.end()) {
        return false;
    }
    found->second->Post(message);
    return true;
}

}  // namespace gb
