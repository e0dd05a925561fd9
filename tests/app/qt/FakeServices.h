#pragma once
// Services that record what the program would have shown, answer with what
// the test chose, and open nothing.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "app/core/UiServices.h"

class FakeMessages final : public ui::MessageService {
public:
    ui::MessageResult Show(std::string_view text, ui::MessageButtons buttons,
                           ui::MessageIcon) override {
        shown.emplace_back(text);
        if (!answers.empty()) {
            const ui::MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == ui::MessageButtons::Ok ? ui::MessageResult::Ok : ui::MessageResult::No;
    }

    std::vector<std::string> shown;
    std::deque<ui::MessageResult> answers;
};

class FakeFiles final : public ui::FileDialogService {
public:
    std::optional<std::filesystem::path> AskOpenFile(std::string_view, std::string_view) override {
        return openAnswer;
    }
    std::optional<std::filesystem::path> AskSaveFile(std::string_view, std::string_view,
                                                     const std::filesystem::path&) override {
        return saveAnswer;
    }

    std::optional<std::filesystem::path> openAnswer;
    std::optional<std::filesystem::path> saveAnswer;
};

class FakeShell final : public ui::ShellService {
public:
    bool OpenLink(std::string_view address) override {
        links.emplace_back(address);
        return succeeds;
    }
    bool StartProgram(const std::filesystem::path& program, const std::filesystem::path&) override {
        programs.push_back(program);
        return succeeds;
    }

    std::vector<std::string> links;
    std::vector<std::filesystem::path> programs;
    bool succeeds = true;
};

struct FakeServices {
    FakeMessages messages;
    FakeFiles files;
    FakeShell shell;
    FakeDialogs dialogs;

    ui::UiServices Services() { return {messages, files, shell, dialogs}; }
};
