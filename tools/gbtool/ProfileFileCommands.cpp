#include "ProfileFileCommands.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ErrorPrinter.h"
#include "SampleProfile.h"
#include "itemdb/AucDoc.h"

using namespace gb::itemdb;

namespace {

// Upper bound of --items: more than any seller keeps, small enough for memory.
constexpr int kMostItems = 10'000'000;

std::optional<int> ItemCount(std::string_view text) {
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 0 ||
        count > kMostItems) {
        return std::nullopt;
    }
    return count;
}

std::size_t CountItems(const CItemList& items) {
    std::size_t count = 0;
    for (const std::int32_t state : {102, 103, 107}) {
        count += items.GetStateList(state)->Size();
    }
    return count;
}

}  // namespace

int MakeProfile(std::span<char* const> args) {
    if (args.size() != 3 || std::string_view(args[0]) != "--items") {
        return 2;
    }
    const std::optional<int> count = ItemCount(args[1]);
    if (!count) {
        return 2;
    }
    const std::filesystem::path path = args[2];
    ErrorPrinter errors(path.string());
    CAucDoc doc;
    doc.SetPrompts(&errors);
    gb::testing::FillSampleProfile(doc, *count);
    return doc.OnSaveDocument(path) ? 0 : 1;
}

int OpenProfile(std::span<char* const> args) {
    const bool save = args.size() == 3 && std::string_view(args[1]) == "--save";
    if (args.size() != 1 && !save) {
        return 2;
    }
    const std::filesystem::path path = args[0];
    ErrorPrinter errors(path.string());
    CAucDoc doc;
    doc.SetPrompts(&errors);
    if (!doc.OnOpenDocument(path)) {
        return 1;
    }
    std::printf("%zu\n", CountItems(doc.GetItemList()));
    if (save) {
        const std::filesystem::path out = args[2];
        ErrorPrinter saveErrors(out.string());
        doc.SetPrompts(&saveErrors);
        if (!doc.OnSaveDocument(out)) {
            return 1;
        }
    }
    return 0;
}
