#include "ExportCommand.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/AppSettings.h"
#include "app/core/ListRows.h"
#include "app/core/UiStrings.h"
#include "app/core/export/ExportFile.h"
#include "app/core/export/ExportFormatter.h"
#include "app/core/export/ExportSettings.h"
#include "app/core/export/FolderRows.h"
#include "itemdb/AucDoc.h"
#include "itemdb/DocumentPrompts.h"
#include "itemdb/FeeSchedule.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

using namespace gb::itemdb;

namespace {

class ErrorPrompts final : public DocumentPrompts {
public:
    Answer AskSaveChanges(std::string_view) override { return Answer::Cancel; }
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view) override {
        return std::nullopt;
    }
    void ReportError(std::string_view message) override {
        std::fprintf(stderr, "gbtool: %s\n", gb::cp1252::ToUtf8(message).c_str());
    }
};

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

struct ExportArguments {
    std::filesystem::path profile;
    int folderId = 0;
    gb::app::ExportType type = gb::app::ExportType::Separated;
    std::filesystem::path output;
    std::optional<std::string> columns;
    std::optional<gb::Lcid> locale;
};

std::optional<ExportArguments> Parse(std::span<char* const> args) {
    if (args.size() < 4) {
        return std::nullopt;
    }
    ExportArguments parsed;
    parsed.profile = args[0];
    const auto folder = Number(args[1]);
    const auto type = Number(args[2]);
    if (!folder || !type || *type < 0 || *type >= gb::app::kExportTypeCount) {
        return std::nullopt;
    }
    parsed.folderId = *folder;
    parsed.type = static_cast<gb::app::ExportType>(*type);
    parsed.output = args[3];
    for (std::size_t i = 4; i < args.size(); i += 2) {
        const std::string_view option = args[i];
        if (i + 1 >= args.size()) {
            return std::nullopt;
        }
        if (option == "--columns") {
            parsed.columns = args[i + 1];
        } else if (option == "--locale") {
            const auto locale = Number(args[i + 1]);
            if (!locale || *locale < 0 || !gb::ListSeparator(static_cast<gb::Lcid>(*locale))) {
                return std::nullopt;
            }
            parsed.locale = static_cast<gb::Lcid>(*locale);
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace

int ExportFolder(std::span<char* const> args) {
    const auto parsed = Parse(args);
    if (!parsed) {
        return 2;
    }
    // Amounts and dates in the user's locale, as the program writes them.
    gb::SetUserDefaultLocale(parsed->locale.value_or(0));

    ErrorPrompts prompts;
    CAucDoc document;
    document.SetPrompts(&prompts);
    if (!document.OnOpenDocument(parsed->profile)) {
        return 1;
    }
    CFolderTree& tree = document.EditFolders();
    if (!tree.FindNode(parsed->folderId)) {
        std::fprintf(stderr, "gbtool: the profile has no folder %d\n", parsed->folderId);
        return 1;
    }
    CFeeSchedule fees;
    fees.Load(gb::paths::ProgramFolder() / gb::app::kFeeScheduleFile);

    // Only the stored columns matter here: the output file is the one given.
    const std::string columns = parsed->columns.value_or(
        gb::app::ExportSettings::Load(gb::Settings::CurrentUser(), std::filesystem::current_path())
            .columns);
    const gb::app::ListRows rows(gb::app::FolderRowsInListOrder(tree, document.GetItemList(), fees),
                                 fees, &tree);
    if (rows.IsEmpty()) {
        // As the program: an empty folder writes no file.
        std::fprintf(
            stderr, "gbtool: %s\n",
            gb::cp1252::ToUtf8(gb::app::UiText(gb::app::string_id::ExportFolderEmpty)).c_str());
        return 1;
    }
    const gb::app::ExportFormatter formatter(gb::app::ExportFormatter::ColumnsOf(columns, fees),
                                             parsed->type,
                                             gb::ListSeparator(gb::kLocaleUserDefault));
    try {
        gb::app::WriteExportFile(parsed->output, formatter, rows);
    } catch (const gb::FileError& failure) {
        std::fprintf(
            stderr, "gbtool: %s\n%s\n",
            gb::cp1252::ToUtf8(gb::app::UiText(gb::app::string_id::ExportCannotAccess)).c_str(),
            failure.what());
        return 1;
    }
    std::printf("%zu items\n", rows.Count());
    return 0;
}
