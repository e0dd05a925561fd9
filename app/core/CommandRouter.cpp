#include "app/core/CommandRouter.h"

namespace gb::app {

bool CommandRouter::Execute(int id) const {
    if (!Query(id).enabled) {
        return false;
    }
    for (const CommandTarget* target : chain_()) {
        if (target != nullptr && target->ExecuteCommand(id)) {
            return true;
        }
    }
    return false;
}

CommandState CommandRouter::Query(int id) const {
    const std::vector<const CommandTarget*> targets = chain_();
    CommandUpdate update;
    for (const CommandTarget* target : targets) {
        if (target != nullptr && target->UpdateCommand(id, update)) {
            break;
        }
    }
    if (!update.EnableChanged()) {
        bool handled = false;
        for (const CommandTarget* target : targets) {
            if (target != nullptr && target->HandlesCommand(id)) {
                handled = true;
                break;
            }
        }
        update.Enable(handled);
    }
    return update.State();
}

}  // namespace gb::app
