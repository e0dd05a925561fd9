#pragma once
// The lock by which a program is the only running instance of itself for its
// user: a file in the user's runtime folder, named after the program and the
// user, that the running instance holds and whose first line is the process
// id of its holder. The programs take it through widgets' SingleInstance;
// Setup and Remove read it to tell whether a program of an installation runs.

#include <filesystem>
#include <optional>
#include <string_view>

namespace gb {

class InstanceLock {
public:
    // `programName` identifies the program ("Norvel_Gavelbook").
    explicit InstanceLock(std::string_view programName);

    // "<runtime folder>/<program name>-<user id>.lock"
    const std::filesystem::path& File() const { return file_; }
    // Where the running instance listens for later ones: the same name with
    // ".socket".
    const std::filesystem::path& Socket() const { return socket_; }

    // The program file of the running process the lock names; nothing when
    // there is no lock, it names no process, or that process has ended.
    std::optional<std::filesystem::path> HolderProgram() const;

    // The user's runtime folder, $XDG_RUNTIME_DIR, when it is a folder; else
    // the temporary folder.
    static std::filesystem::path RuntimeFolder();

private:
    std::filesystem::path file_;
    std::filesystem::path socket_;
};

}  // namespace gb
