#pragma once
// The main program's command line: an optional profile to open, and the flags
// with which the component runtime would start it ("-Embedding",
// "-Automation", also with "--", any case). Such a start shows neither the
// splash screen nor the main window. Other flags are ignored; paths begin
// with '/', so flags begin with '-'.

#include <filesystem>
#include <span>
#include <string>

namespace gb::app {

struct CommandLine {
    std::filesystem::path fileName;  // the first argument that is not a flag
    bool runEmbedded = false;
    bool runAutomated = false;

    // The arguments after the program's name.
    static CommandLine Parse(std::span<const std::string> arguments);

    bool ShowsSplash() const { return !runEmbedded && !runAutomated; }
    bool ShowsMainWindow() const { return !runEmbedded && !runAutomated; }
};

}  // namespace gb::app
