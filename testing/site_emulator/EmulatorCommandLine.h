#pragma once
// The options of the program site-emulator.
//
//   --seller SITE:USERID[:PASSWORD]  a seller on SITE (a site class name such
//                                    as eBayUSA); repeatable
//   --fault USERID:KIND[@PAGE]       what to do wrong for that seller (Fault)
//   --items N                        sample items per seller (default 10)
//   --rows-per-page N                item rows per listing page (default 4)
//   --port N                         the port on 127.0.0.1 (default: a free one)
//   --configure                      point the user's settings at the emulator
//                                    while it runs

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "EmulatedSeller.h"
#include "platform/DateTime.h"

namespace gb::emulator {

struct EmulatorCommandLine {
    struct SellerOption {
        sites::SiteClass site;
        std::string userId;
        std::string password;
    };

    std::vector<SellerOption> sellers;
    std::vector<std::pair<std::string, Fault>> faults;
    int itemsPerSeller = 10;
    int rowsPerPage = 4;
    std::uint16_t port = 0;
    bool configure = false;

    // The arguments after the program's name; nothing, with the reason in
    // `error`, when they are wrong.
    static std::optional<EmulatorCommandLine> Parse(std::span<const char* const> args,
                                                    std::string& error);

    // The sellers with their sample items, dated around `now`, and their faults.
    std::vector<EmulatedSeller> Sellers(const DateTime& now) const;

    static const char* Usage();
};

}  // namespace gb::emulator
