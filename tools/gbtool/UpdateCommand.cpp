#include "UpdateCommand.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "interfaces/ClassIds.h"
#include "interfaces/ISessionSummary.h"
#include "itemdb/AucDoc.h"
#include "itemdb/DocumentPrompts.h"
#include "itemdb/UpdatePrompts.h"
#include "itemdb/UpdateRun.h"
#include "platform/ComponentRuntime.h"
#include "platform/Cp1252.h"
#include "platform/MessageQueue.h"
#include "platform/Settings.h"

using namespace gb::itemdb;

namespace {

// The sizes in which the problem dialog reads the session logs.
constexpr std::uint32_t kSummarySize = 4096;
constexpr std::uint32_t kDetailsSize = 8192;

void PrintTo(std::FILE* stream, std::string_view text) {
    const std::string utf8 = gb::cp1252::ToUtf8(text);
    std::fprintf(stream, "%s", utf8.c_str());
}

// The messages a window would show go to the error output; questions get the
// answer that changes nothing.
class ConsolePrompts final : public DocumentPrompts, public UpdatePrompts {
public:
    Answer AskSaveChanges(std::string_view) override { return Answer::Cancel; }
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view) override {
        return std::nullopt;
    }
    void ReportError(std::string_view message) override { ShowMessage(message); }
    void ShowMessage(std::string_view text) override {
        PrintTo(stderr, "gbtool: ");
        PrintTo(stderr, text);
        PrintTo(stderr, "\n");
    }
};

bool AdultListingsWanted() {
    const std::string key = std::string(gb::kApplicationKey) + "\\Settings";
    return gb::Settings::CurrentUser().GetNumber(key, "Adult", 0) != 0;
}

// One of the session logs, read as the problem dialog reads it.
std::string SessionLog(bool details) {
    gb::ComPtr<ISessionSummary> summary;
    if (gb::Failed(gb::CreateInstance(CLSID_SessionSummary, summary)) || !summary) {
        return {};
    }
    std::string buffer(details ? kDetailsSize : kSummarySize, '\0');
    const auto size = static_cast<std::uint32_t>(buffer.size());
    if (details) {
        summary->GetDetails(buffer.data(), size);
    } else {
        summary->GetSummary(buffer.data(), size);
    }
    return buffer.c_str();
}

}  // namespace

int UpdateProfile(std::span<char* const> args) {
    if (args.size() != 1) {
        return 2;
    }
    const std::filesystem::path path = args[0];
    ConsolePrompts prompts;
    CAucDoc document;
    document.SetPrompts(&prompts);
    if (!document.OnOpenDocument(path)) {
        return 1;
    }
    document.SetAdultFlag(AdultListingsWanted());

    gb::MessageQueue window;
    UpdateRun& run = document.GetUpdateRun();
    run.SetPrompts(&prompts);
    run.SetMainWindow(window.Handle());
    if (!run.UpdateAuctions()) {
        return 1;
    }
    // The retrievals' time limits see to it that every one of them ends.
    while (!run.OnMessage(window.Wait())) {
    }

    PrintTo(stdout, SessionLog(false));
    if (run.HasFailed()) {
        PrintTo(stderr, SessionLog(true));
    }
    const bool saved = document.OnSaveDocument(path);
    if (saved) {
        std::printf("saved %s\n", path.c_str());
    }
    return saved && !run.HasFailed() ? 0 : 1;
}
