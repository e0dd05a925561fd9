#include "RenderCommand.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ErrorPrinter.h"
#include "app/core/export/FolderRows.h"
#include "app/core/report/ReportRun.h"
#include "app/core/report/ReportStrings.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Cp1252.h"
#include "platform/Locale.h"
#include "platform/Paths.h"

using namespace gb::itemdb;

namespace {

struct RenderArguments {
    std::filesystem::path profile;
    std::int32_t folderId = 0;
    std::string templateName;
    std::filesystem::path library = gb::paths::ProgramFolder() / "VizEvav.cta";
    std::filesystem::path fees = gb::paths::ProgramFolder() / "AucField.fee";
    std::optional<gb::Lcid> locale;
};

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<RenderArguments> ParseArguments(std::span<char* const> args) {
    if (args.size() < 3) {
        return std::nullopt;
    }
    RenderArguments parsed;
    parsed.profile = args[0];
    const auto folderId = ParseNumber<std::int32_t>(args[1]);
    if (!folderId) {
        return std::nullopt;
    }
    parsed.folderId = *folderId;
    parsed.templateName = gb::cp1252::FromUtf8(args[2]);
    for (std::size_t i = 3; i + 1 < args.size(); i += 2) {
        const std::string_view option = args[i];
        const char* value = args[i + 1];
        if (option == "--library") {
            parsed.library = value;
        } else if (option == "--fees") {
            parsed.fees = value;
        } else if (option == "--locale") {
            parsed.locale = ParseNumber<gb::Lcid>(value);
            if (!parsed.locale) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (args.size() % 2 == 0) {
        return std::nullopt;  // an option without its value
    }
    return parsed;
}

// The report the program would make of the folder's items; nothing (and a
// message) when something cannot be read.
std::optional<gb::app::RenderedReport> RenderFolderReport(std::span<char* const> args,
                                                          bool& wrongArguments) {
    const std::optional<RenderArguments> parsed = ParseArguments(args);
    wrongArguments = !parsed.has_value();
    if (!parsed) {
        return std::nullopt;
    }
    // The program reads and writes amounts in the user's default locale.
    gb::SetUserDefaultLocale(parsed->locale.value_or(0));

    ErrorPrinter errors;
    CAucDoc doc;
    doc.SetPrompts(&errors);
    if (!doc.OnOpenDocument(parsed->profile)) {
        return std::nullopt;
    }
    CFolderTree& tree = doc.EditFolders();
    if (!tree.FindNode(parsed->folderId)) {
        std::fprintf(stderr, "gbtool: the profile has no folder %d\n", parsed->folderId);
        return std::nullopt;
    }
    CFeeSchedule fees;
    if (!fees.Load(parsed->fees)) {
        std::fprintf(stderr, "gbtool: cannot read the fee schedule %s\n", parsed->fees.c_str());
        return std::nullopt;
    }
    // The rows in the order the item list shows them, as the program renders.
    const std::vector<const CAucItem*> items =
        gb::app::FolderRowsInListOrder(tree, doc.GetItemList(), fees);
    if (items.empty()) {
        std::fprintf(stderr, "gbtool: %s\n",
                     gb::cp1252::ToUtf8(gb::app::ReportText(gb::app::report_string::NoItemSelected))
                         .c_str());
        return std::nullopt;
    }

    CTemplateLibrary library;
    library.OpenFile(parsed->library);
    const int index = library.FindByName(parsed->templateName);
    if (index < 0) {
        std::fprintf(stderr, "gbtool: %s holds no template \"%s\"\n", parsed->library.c_str(),
                     args[2]);
        return std::nullopt;
    }
    return gb::app::RenderReport({parsed->library, index, fees, &tree}, items);
}

int Run(std::span<char* const> args, std::string gb::app::RenderedReport::*printed) {
    bool wrongArguments = false;
    const auto report = RenderFolderReport(args, wrongArguments);
    if (!report) {
        return wrongArguments ? 2 : 1;
    }
    const std::string& text = (*report).*printed;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

}  // namespace

int RenderFolder(std::span<char* const> args) {
    // The bytes "AucRpt.htm" would hold: Windows-1252, as the program writes it.
    return Run(args, &gb::app::RenderedReport::html);
}

int MailToFolder(std::span<char* const> args) {
    return Run(args, &gb::app::RenderedReport::mailTo);
}
