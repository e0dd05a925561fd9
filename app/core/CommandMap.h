#pragma once
// The commands one object handles: for a command ID or a range of IDs, a
// handler that carries the command out and an updater that says whether it is
// enabled and checked. Frames, views and the application each own one;
// CommandRouter asks them in routing order.

#include <functional>
#include <vector>

#include "app/core/CommandState.h"

namespace gb::app {

// Anything that takes part in routing.
class CommandTarget {
public:
    // Runs this target's updater of the command; false when it has none.
    virtual bool UpdateCommand(int id, CommandUpdate& update) const = 0;
    virtual bool HandlesCommand(int id) const = 0;
    // Carries the command out; false when this target does not handle it.
    virtual bool ExecuteCommand(int id) const = 0;

protected:
    ~CommandTarget() = default;
};

class CommandMap final : public CommandTarget {
public:
    using Handler = std::function<void(int id)>;
    using Updater = std::function<void(int id, CommandUpdate& update)>;

    void On(int id, Handler handler) { OnRange(id, id, std::move(handler)); }
    void OnRange(int first, int last, Handler handler);
    void OnUpdate(int id, Updater updater) { OnUpdateRange(id, id, std::move(updater)); }
    void OnUpdateRange(int first, int last, Updater updater);

    bool UpdateCommand(int id, CommandUpdate& update) const override;
    bool HandlesCommand(int id) const override { return FindHandler(id) != nullptr; }
    bool ExecuteCommand(int id) const override;

private:
    template <typename Function>
    struct Entry {
        int first;
        int last;
        Function function;
    };

    const Handler* FindHandler(int id) const;
    const Updater* FindUpdater(int id) const;

    std::vector<Entry<Handler>> handlers_;
    std::vector<Entry<Updater>> updaters_;
};

}  // namespace gb::app
