#pragma once
// The document prompts of gbtool's commands: no questions are answered (a
// save is cancelled), and every error goes to standard error in UTF-8,
// after the file it concerns when one is named.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "itemdb/DocumentPrompts.h"

class ErrorPrinter final : public gb::itemdb::DocumentPrompts {
public:
    // `path`: the file named before each message; empty for none.
    explicit ErrorPrinter(std::string path = {}) : path_(std::move(path)) {}

    Answer AskSaveChanges(std::string_view) override { return Answer::Cancel; }
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view) override {
        return std::nullopt;
    }
    void ReportError(std::string_view message) override;

private:
    std::string path_;
};
