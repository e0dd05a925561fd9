#include "app/core/CommandLine.h"

#include "platform/Cp1252.h"

namespace gb::app {

CommandLine CommandLine::Parse(std::span<const std::string> arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (argument.size() > 1 && argument.front() == '-') {
            std::string_view flag = std::string_view(argument).substr(1);
            if (flag.front() == '-') {
                flag.remove_prefix(1);
            }
            if (gb::cp1252::EqualsNoCase(flag, "Embedding")) {
                line.runEmbedded = true;
            } else if (gb::cp1252::EqualsNoCase(flag, "Automation")) {
                line.runAutomated = true;
            }
        } else if (line.fileName.empty() && !argument.empty()) {
            line.fileName = argument;
        }
    }
    return line;
}

}  // namespace gb::app
