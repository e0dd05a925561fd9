#include "EmulatorCommandLine.h"

#include <charconv>
#include <string_view>

#include "SampleCatalogue.h"
#include "platform/Cp1252.h"

using namespace gb::sites;

namespace gb::emulator {

namespace {

// Sellers' sample items are numbered in blocks of this size.
constexpr std::uint64_t kFirstItemNumber = 5100000000;
constexpr std::uint64_t kNumbersPerSeller = 100000;
constexpr int kMaxCount = 10000;

std::optional<SiteClass> SiteNamed(std::string_view name) {
    for (const SiteProfile& profile : AllSiteProfiles()) {
        if (cp1252::EqualsNoCase(profile.className, name)) {
            return profile.siteClass;
        }
    }
    return std::nullopt;
}

// Stores the number `text` holds when it lies in [lowest, highest].
bool Store(std::string_view text, int lowest, int highest, int& target) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return false;
    }
    target = value;
    return true;
}

std::optional<EmulatorCommandLine::SellerOption> ParseSeller(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<SiteClass> site = SiteNamed(text.substr(0, colon));
    std::string_view rest = text.substr(colon + 1);
    const std::size_t passwordAt = rest.find(':');
    const std::string_view userId = rest.substr(0, passwordAt);
    if (!site || userId.empty()) {
        return std::nullopt;
    }
    return EmulatorCommandLine::SellerOption{*site, std::string(userId),
                                             passwordAt == std::string_view::npos
                                                 ? std::string()
                                                 : std::string(rest.substr(passwordAt + 1))};
}

}  // namespace

std::optional<EmulatorCommandLine> EmulatorCommandLine::Parse(std::span<const char* const> args,
                                                              std::string& error) {
    EmulatorCommandLine options;
    for (std::size_t at = 0; at < args.size(); ++at) {
        const std::string_view option = args[at];
        if (option == "--configure") {
            options.configure = true;
            continue;
        }
        if (at + 1 >= args.size()) {
            error = "unknown option or missing value: " + std::string(option);
            return std::nullopt;
        }
        const std::string_view value = args[++at];
        bool valid = true;
        if (option == "--seller") {
            const std::optional<SellerOption> seller = ParseSeller(value);
            valid = seller.has_value();
            if (valid) {
                options.sellers.push_back(*seller);
            }
        } else if (option == "--fault") {
            const std::size_t colon = value.find(':');
            const std::optional<Fault> fault = colon == std::string_view::npos
                                                   ? std::nullopt
                                                   : ParseFault(value.substr(colon + 1));
            valid = colon > 0 && fault.has_value();
            if (valid) {
                options.faults.emplace_back(std::string(value.substr(0, colon)), *fault);
            }
        } else if (option == "--items") {
            valid = Store(value, 1, kMaxCount, options.itemsPerSeller);
        } else if (option == "--rows-per-page") {
            valid = Store(value, 1, kMaxCount, options.rowsPerPage);
        } else if (option == "--port") {
            int port = 0;
            valid = Store(value, 0, UINT16_MAX, port);
            options.port = static_cast<std::uint16_t>(port);
        } else {
            error = "unknown option: " + std::string(option);
            return std::nullopt;
        }
        if (!valid) {
            error = "invalid value for " + std::string(option) + ": " + std::string(value);
            return std::nullopt;
        }
    }
    if (options.sellers.empty()) {
        error = "no seller given";
        return std::nullopt;
    }
    for (const auto& [userId, fault] : options.faults) {
        bool known = false;
        for (const SellerOption& seller : options.sellers) {
            known = known || cp1252::EqualsNoCase(seller.userId, userId);
        }
        if (!known) {
            error = "a fault for an unknown seller: " + userId;
            return std::nullopt;
        }
    }
    return options;
}

std::vector<EmulatedSeller> EmulatorCommandLine::Sellers(const DateTime& now) const {
    std::vector<EmulatedSeller> result;
    for (std::size_t index = 0; index < sellers.size(); ++index) {
        const SellerOption& option = sellers[index];
        EmulatedSeller seller;
        seller.site = option.site;
        seller.userId = option.userId;
        seller.password = option.password;
        seller.items = SampleItems(option.site, itemsPerSeller,
                                   kFirstItemNumber + kNumbersPerSeller * index, now);
        seller.rowsPerPage = rowsPerPage;
        for (const auto& [userId, fault] : faults) {
            if (cp1252::EqualsNoCase(userId, option.userId)) {
                seller.fault = fault;
            }
        }
        result.push_back(std::move(seller));
    }
    return result;
}

const char* EmulatorCommandLine::Usage() {
    return "usage: site-emulator --seller SITE:USERID[:PASSWORD]... [--fault "
           "USERID:KIND[@PAGE]]...\n"
           "                     [--items N] [--rows-per-page N] [--port N] [--configure]\n"
           "  SITE  eBayUSA eBayCAN eBayUK eBayAUS eBayNZ eBayGER eBayNET eBayFRN eBayATR\n"
           "  KIND  wrong-password no-signin-field no-rows server-error stall drop\n"
           "        endless-pages huge-page drip reset redirect-loop gzip-bomb\n"
           "        http-signin-action\n"
           "  PAGE  signin-page signin-check listing buyer-page\n";
}

}  // namespace gb::emulator
