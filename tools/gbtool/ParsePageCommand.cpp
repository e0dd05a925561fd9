#include "ParsePageCommand.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "interfaces/IBidscope.h"
#include "interfaces/IBidscopeEvents.h"
#include "platform/ComObject.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRuntime.h"
#include "platform/ConnectionPoint.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

namespace {

// What the retrieval worker passes for every text buffer.
constexpr std::uint32_t kBufferSize = 512;
constexpr char kSiteLibrary[] = "libBidscope.so";

struct ParsePageOptions {
    std::string site;
    std::filesystem::path listing;
    std::string user;
    std::string password;
    std::uint16_t days = 31;
    std::uint16_t request = 1;
    std::map<std::string, std::filesystem::path> buyerPages;  // by item number
};

std::optional<std::uint16_t> ReadNumber(std::string_view text) {
    std::uint16_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<ParsePageOptions> ReadOptions(std::span<char* const> args) {
    if (args.size() < 2 || args.size() % 2 != 0) {
        return std::nullopt;
    }
    ParsePageOptions options;
    options.site = args[0];
    options.listing = args[1];
    for (std::size_t i = 2; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        const std::string_view value = args[i + 1];
        if (name == "--user") {
            options.user = value;
        } else if (name == "--password") {
            options.password = value;
        } else if (name == "--days" || name == "--request") {
            const std::optional<std::uint16_t> number = ReadNumber(value);
            if (!number) {
                return std::nullopt;
            }
            (name == "--days" ? options.days : options.request) = *number;
        } else if (name == "--buyer") {
            const std::size_t equals = value.find('=');
            if (equals == 0 || equals == std::string_view::npos || equals + 1 == value.size()) {
                return std::nullopt;
            }
            options.buyerPages[std::string(value.substr(0, equals))] = value.substr(equals + 1);
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// Prints every row it is given, one line each.
class RowPrinter final : public gb::ComObject<_IBidscopeEvents> {
public:
    HRESULT UpdateRow(std::uint16_t nReq, const char* lpszBidscope, const char* lpszSeller,
                      const char* lpszItem, const char* lpszStart, const char* lpszEnd,
                      const char* lpszPrice, const char* lpszDesc, const char* lpszBidder,
                      const char* lpszMail, const char* lpszRating, const char* lpszFees,
                      const char* lpszCommission, const char* lpszStoreInsertFee,
                      const char* lpszStoreFVFee, const char* lpszAucType,
                      const char* lpszBuyerLocation, const char* lpszComplete) override {
        std::string line = std::to_string(nReq);
        for (const char* text :
             {lpszBidscope, lpszSeller, lpszItem, lpszStart, lpszEnd, lpszPrice, lpszDesc,
              lpszBidder, lpszMail, lpszRating, lpszFees, lpszCommission, lpszStoreInsertFee,
              lpszStoreFVFee, lpszAucType, lpszBuyerLocation, lpszComplete}) {
            line += '\t';
            AppendEscaped(line, text != nullptr ? text : "");
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
        return S_OK;
    }

private:
    static void AppendEscaped(std::string& line, std::string_view text) {
        for (const char c : text) {
            switch (c) {
                case '\\':
                    line += "\\\\";
                    break;
                case '\t':
                    line += "\\t";
                    break;
                case '\r':
                    line += "\\r";
                    break;
                case '\n':
                    line += "\\n";
                    break;
                default:
                    line += c;
                    break;
            }
        }
    }
};

// The class registered under "Bidscope.SITE", registering the site library of
// gbtool's own folder first when it is not.
std::optional<gb::Guid> SiteClassOf(std::string_view site) {
    const std::string progId = "Bidscope." + std::string(site);
    const gb::ComponentRegistry registry;
    if (const std::optional<gb::Guid> clsid = registry.ClassOfProgId(progId)) {
        return clsid;
    }
    const std::filesystem::path path = gb::paths::ProgramFolder() / kSiteLibrary;
    std::string error;
    const gb::ComponentLibrary* library = gb::ComponentLibrary::Load(path, &error);
    if (library == nullptr) {
        std::fprintf(stderr, "gbtool: cannot load \"%s\": %s\n", path.c_str(), error.c_str());
        return std::nullopt;
    }
    if (const HRESULT result = library->RegisterServer(); gb::Failed(result)) {
        std::fprintf(stderr, "gbtool: cannot register \"%s\": 0x%08X\n", path.c_str(),
                     static_cast<unsigned>(result));
        return std::nullopt;
    }
    std::fprintf(stderr, "gbtool: registered \"%s\"\n", path.c_str());
    const std::optional<gb::Guid> clsid = registry.ClassOfProgId(progId);
    if (!clsid) {
        std::fprintf(stderr, "gbtool: no site class \"%s\"\n", progId.c_str());
    }
    return clsid;
}

// The item number a buyer-page URL names: what follows "item=" up to the next "&".
std::string ItemOfUrl(std::string_view url) {
    constexpr std::string_view kItemKey = "item=";
    const std::size_t key = url.find(kItemKey);
    if (key == std::string_view::npos) {
        return {};
    }
    const std::string_view item = url.substr(key + kItemKey.size());
    return std::string(item.substr(0, item.find('&')));
}

std::string ResultName(HRESULT result) {
    if (result == S_OK) {
        return "S_OK";
    }
    if (result == E_FAIL) {
        return "E_FAIL";
    }
    std::array<char, 16> hex{};
    std::snprintf(hex.data(), hex.size(), "0x%08X", static_cast<unsigned>(result));
    return hex.data();
}

// The worker's walk over one listing page; gives the SetSummaryPage result.
HRESULT WalkPage(IBidscope& site, const std::string& listing,
                 const std::map<std::string, std::string>& buyerPages) {
    const HRESULT summary = site.SetSummaryPage(listing.c_str());
    const std::string noPage;
    for (HRESULT status = summary; status == S_OK;) {
        std::array<char, kBufferSize> url{};
        status = site.GetBuyerURL(url.data(), kBufferSize);
        if (status != S_OK) {
            break;
        }
        const std::string* page = &noPage;
        if (url[0] != '\0') {
            if (const auto given = buyerPages.find(ItemOfUrl(url.data()));
                given != buyerPages.end()) {
                page = &given->second;
            }
        }
        status = site.ParseData(page->c_str());
        if (status == S_OK) {
            status = site.MoveNextRow();
        }
    }
    return summary;
}

std::optional<std::string> ReadPage(const std::filesystem::path& path) {
    std::optional<std::string> page = gb::ReadWholeFile(path);
    if (!page) {
        std::fprintf(stderr, "gbtool: cannot read \"%s\"\n", path.c_str());
    }
    return page;
}

}  // namespace

int ParsePage(std::span<char* const> args) {
    const std::optional<ParsePageOptions> options = ReadOptions(args);
    if (!options) {
        return 2;
    }
    const std::optional<std::string> listing = ReadPage(options->listing);
    if (!listing) {
        return 1;
    }
    std::map<std::string, std::string> buyerPages;
    for (const auto& [item, path] : options->buyerPages) {
        std::optional<std::string> page = ReadPage(path);
        if (!page) {
            return 1;
        }
        buyerPages[item] = std::move(*page);
    }

    const std::optional<gb::Guid> clsid = SiteClassOf(options->site);
    if (!clsid) {
        return 1;
    }
    gb::ComPtr<IBidscope> site;
    if (const HRESULT created = gb::CreateInstance(*clsid, site); gb::Failed(created)) {
        std::fprintf(stderr, "gbtool: cannot create the site object: %s\n",
                     ResultName(created).c_str());
        return 1;
    }
    gb::ComPtr<IConnectionPoint> point;
    const auto container = site.As<IConnectionPointContainer>();
    std::uint32_t cookie = 0;
    const auto printer = gb::MakeObject<RowPrinter>();
    if (!container ||
        gb::Failed(container->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put())) ||
        gb::Failed(point->Advise(printer.Get(), &cookie))) {
        std::fprintf(stderr, "gbtool: the site object fires no rows\n");
        return 1;
    }

    site->SetDays(options->days);
    site->SetUser(options->user.c_str(), options->password.c_str());
    site->SetRequest(options->request);
    const HRESULT summary = WalkPage(*site, *listing, buyerPages);
    std::uint16_t morePages = 0;
    site->GoNextPage(&morePages);
    point->Unadvise(cookie);
    std::printf("# summary=%s more=%u\n", ResultName(summary).c_str(),
                static_cast<unsigned>(morePages));
    return 0;
}
