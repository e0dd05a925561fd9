#pragma once
// Services that record what the program would have shown, answer with what
// the test chose, and open nothing; the program's own modal windows run
// through a scripted runner, where a window the test did not script fails.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "app/core/UiServices.h"
#include "widgets/ScriptedModalRunner.h"

class FakeMessages final : public gb::app::MessageService {
public:
    gb::app::MessageResult Show(std::string_view text, gb::app::MessageButtons buttons,
                                gb::app::MessageIcon) override {
        shown.emplace_back(text);
        if (!answers.empty()) {
            const gb::app::MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == gb::app::MessageButtons::Ok ? gb::app::MessageResult::Ok
                                                      : gb::app::MessageResult::No;
    }

    std::vector<std::string> shown;
    std::deque<gb::app::MessageResult> answers;
};

class FakeFiles final : public gb::app::FileDialogService {
public:
    std::optional<std::filesystem::path> AskOpenFile(std::string_view, std::string_view) override {
        return openAnswer;
    }
    std::optional<std::filesystem::path> AskSaveFile(
        std::string_view, std::string_view, const std::filesystem::path& proposal) override {
        saveProposals.push_back(proposal);
        return saveAnswer;
    }

    std::optional<std::filesystem::path> openAnswer;
    std::optional<std::filesystem::path> saveAnswer;
    std::vector<std::filesystem::path> saveProposals;
};

class FakeShell final : public gb::app::ShellService {
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
    gb::widgets::ScriptedModalRunner modals{
        [](const std::string& failure) { ADD_FAILURE() << failure; }};

    gb::app::UiServices Services() { return {messages, files, shell, modals}; }
};
