#pragma once
// The programs of an installation that run now, found by the single-instance
// locks that Lotkeeper and Template hold while they run. Setup and Remove
// change nothing while one runs: it would go on using the files, and write
// its settings and fee schedule back into a removed folder when it ends.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace gb::setup {

class RunningPrograms {
public:
    enum class Answer { Retry, Cancel };
    // Asked with a text that names the programs that run and says they are
    // to be closed: the user closes them and retries, or cancels.
    using Question = std::function<Answer(const std::string& text)>;

    // The programs of `programFolder` that hold the locks of `instanceNames`;
    // by default Lotkeeper's and Template's.
    explicit RunningPrograms(std::filesystem::path programFolder,
                             std::vector<std::string> instanceNames = InstalledInstanceNames());

    // The file names of the folder's programs that run now.
    std::vector<std::string> Find() const;
    // Asks while a program of the folder runs: true once none runs (at once
    // when none did), false when the user cancels.
    bool AwaitClosed(const Question& ask) const;

    // What the user is asked with: which programs run, from where, and that
    // they are to be closed.
    std::string CloseText(const std::vector<std::string>& running) const;

    static std::vector<std::string> InstalledInstanceNames();

private:
    std::filesystem::path folder_;
    std::vector<std::string> instanceNames_;
};

}  // namespace gb::setup
