#pragma once
// Stand-ins for what the profile document talks to: views, listeners, the
// application and the user's answers.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "itemdb/AucDoc.h"
#include "itemdb/DocumentPrompts.h"
#include "itemdb/DocumentView.h"
#include "itemdb/ProfileHost.h"

// Handles the commands it is given, and logs that it was asked.
class RecordingView final : public gb::itemdb::DocumentView {
public:
    explicit RecordingView(std::vector<int> handled = {}, std::vector<std::string>* log = nullptr,
                           std::string name = {})
        : handled_(std::move(handled)), log_(log), name_(std::move(name)) {}

    bool OnCmdMsg(const gb::itemdb::ViewCommand& command) override {
        if (log_ != nullptr) {
            log_->push_back(name_);
        }
        return std::find(handled_.begin(), handled_.end(), command.id) != handled_.end();
    }

private:
    std::vector<int> handled_;
    std::vector<std::string>* log_;
    std::string name_;
};

// Records the hints of the document's events that carry one.
class RecordingListener final : public gb::itemdb::DocumentListener {
public:
    void OnDocumentEvent(const gb::itemdb::DocumentEvent& event) override {
        if (event.hint) {
            updates.push_back({event.sender, *event.hint});
        }
    }

    struct Update {
        const gb::itemdb::DocumentListener* sender;
        std::int32_t hint;
        bool operator==(const Update&) const = default;
    };
    std::vector<Update> updates;
};

class RecordingHost final : public gb::itemdb::ProfileHost {
public:
    void SetCurrentDocument(gb::itemdb::CAucDoc* document) override { current = document; }
    void SetProfilePath(const std::filesystem::path& path) override { profilePath = path; }
    void SetFileVersion(std::int32_t version) override { fileVersion = version; }

    gb::itemdb::CAucDoc* current = nullptr;
    std::filesystem::path profilePath;
    std::int32_t fileVersion = 0;
};

// Answers with what the test set up and records what it was asked.
class ScriptedPrompts final : public gb::itemdb::DocumentPrompts {
public:
    Answer AskSaveChanges(std::string_view question) override {
        questions.emplace_back(question);
        return answer;
    }
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view title) override {
        pathRequests.emplace_back(title);
        return savePath;
    }
    void ReportError(std::string_view message) override { errors.emplace_back(message); }

    Answer answer = Answer::Cancel;
    std::optional<std::filesystem::path> savePath;
    std::vector<std::string> questions;
    std::vector<std::string> pathRequests;
    std::vector<std::string> errors;
};
