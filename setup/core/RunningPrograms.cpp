#include "setup/core/RunningPrograms.h"

#include <optional>

#include "interfaces/InstanceNames.h"
#include "platform/InstanceLock.h"

namespace gb::setup {

namespace fs = std::filesystem;

RunningPrograms::RunningPrograms(fs::path programFolder, std::vector<std::string> instanceNames)
    : instanceNames_(std::move(instanceNames)) {
    std::error_code error;
    folder_ = fs::weakly_canonical(programFolder, error);
    if (error) {
        folder_ = std::move(programFolder);
    }
}

std::vector<std::string> RunningPrograms::InstalledInstanceNames() {
    return {kLotkeeperInstanceName, kTemplateInstanceName};
}

std::vector<std::string> RunningPrograms::Find() const {
    std::vector<std::string> running;
    for (const std::string& name : instanceNames_) {
        const std::optional<fs::path> program = InstanceLock(name).HolderProgram();
        if (program && program->parent_path() == folder_) {
            running.push_back(program->filename().string());
        }
    }
    return running;
}

bool RunningPrograms::AwaitClosed(const Question& ask) const {
    for (std::vector<std::string> running = Find(); !running.empty(); running = Find()) {
        if (ask(CloseText(running)) == Answer::Cancel) {
            return false;
        }
    }
    return true;
}

std::string RunningPrograms::CloseText(const std::vector<std::string>& running) const {
    std::string names;
    for (std::size_t i = 0; i < running.size(); ++i) {
        if (i > 0) {
            names += i + 1 == running.size() ? " and " : ", ";
        }
        names += running[i];
    }
    const bool one = running.size() == 1;
    return names + (one ? " is" : " are") + " running from " + folder_.string() + ". Close " +
           (one ? "it" : "them") + " first: nothing is changed while " +
           (one ? "it runs." : "they run.");
}

}  // namespace gb::setup
